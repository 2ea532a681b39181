#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement: bind by position (from 1), step, read columns (from 0).
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepared() const { return m_statement != nullptr; }
    // Clears bindings and results, ready for another run.
    SqliteStatement& reset();
    SqliteStatement& bind(int index, const QByteArray& blob);
    SqliteStatement& bind(int index, const QString& text);
    SqliteStatement& bindText(int index, const QByteArray& utf8);
    SqliteStatement& bind(int index, qint64 value);
    SqliteStatement& bind(int index, double value);
    SqliteStatement& bind(int index, std::optional<double> value);

    // True while there is a row; false at the end or on an error (see failed()).
    bool next();
    // Runs a statement that gives no rows; false on an error.
    bool run();
    bool failed() const { return m_failed; }

    QByteArray blob(int column) const;
    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    std::optional<double> optionalReal(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};
