#include "library/SqliteStatement.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr) !=
        SQLITE_OK)
        m_statement = nullptr;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_failed = false;
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const QByteArray& blob) {
    sqlite3_bind_blob(m_statement, index, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const QString& text) {
    return bindText(index, text.toUtf8());
}

SqliteStatement& SqliteStatement::bindText(int index, const QByteArray& utf8) {
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, qint64 value) {
    sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value) {
    sqlite3_bind_double(m_statement, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::optional<double> value) {
    if (value)
        return bind(index, *value);
    sqlite3_bind_null(m_statement, index);
    return *this;
}

bool SqliteStatement::next() {
    if (!m_statement) {
        m_failed = true;
        return false;
    }
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    m_failed = result != SQLITE_DONE;
    return false;
}

bool SqliteStatement::run() {
    while (next()) {
    }
    const bool ok = !m_failed;
    sqlite3_reset(m_statement);
    return ok;
}

QByteArray SqliteStatement::blob(int column) const {
    const void* data = sqlite3_column_blob(m_statement, column);
    return QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(m_statement, column));
}

QString SqliteStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}

qint64 SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const {
    return sqlite3_column_double(m_statement, column);
}

std::optional<double> SqliteStatement::optionalReal(int column) const {
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return std::nullopt;
    return real(column);
}
