#pragma once

#include <QByteArray>
#include <cstddef>

// The temporary file a target is written to before it replaces the target all at once. It lies
// beside the target, hidden and named after it (".NAME.tembrel-XXXXXX"), and stays locked
// while its writer lives. A writer killed on the way leaves it behind; the next write of the
// same target removes every such leftover that no live writer holds.
class TempBeside {
public:
    explicit TempBeside(const QByteArray& target);
    ~TempBeside(); // removes the temporary file unless it took the target's place
    TempBeside(const TempBeside&) = delete;
    TempBeside& operator=(const TempBeside&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    // Writes all of the bytes to the temporary file (retrying interrupted and short writes).
    bool write(const char* data, size_t size);
    // The mode the file should have when it replaces the target: the permissions of the
    // target if it is a regular file of this user (never its set-user or set-group bit), else
    // the usual mode of a new file.
    unsigned targetMode() const;
    // Renames the (flushed) temporary file to the target; without overwrite only where no
    // target exists yet.
    bool takeTargetsPlace(bool overwrite);

private:
    QByteArray m_target;
    QByteArray m_path;
    int m_fd = -1;
    bool m_placed = false;
};
