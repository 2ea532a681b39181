#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct UCollator;
class AsciiNameOrder;

// Orders names the way a person reads them: without regard to case, by the rules of the
// user's language (English rules when the system names none).
class NameCollator {
public:
    NameCollator();
    ~NameCollator();
    NameCollator(const NameCollator&) = delete;
    NameCollator& operator=(const NameCollator&) = delete;

    // < 0, 0 or > 0.
    int compare(const QString& a, const QString& b) const;
    // A stable sort of names; equal names keep their order.
    QStringList sorted(const QStringList& names) const;
    // The same sort as the indexes of names in their sorted order.
    std::vector<int> order(const QStringList& names) const;

private:
    struct Closer {
        void operator()(UCollator* collator) const;
    };
    std::unique_ptr<UCollator, Closer> m_collator;
    mutable std::unique_ptr<AsciiNameOrder>
        m_asciiOrder; // read from the collator at the first sort
};
