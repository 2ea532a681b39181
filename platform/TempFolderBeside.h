#pragma once

#include <QString>

// A hidden folder beside a folder that is to be made whole or not at all: everything is built
// in ".NAME.tembrel-XXXXXX" and takes NAME at once when it is complete. The folder stays locked
// while its builder lives; a builder killed on the way leaves it behind, and the next build of
// the same name removes every such leftover that no live builder holds.
class TempFolderBeside {
public:
    explicit TempFolderBeside(const QString& target);
    ~TempFolderBeside(); // removes the folder and all in it unless it took the target's place
    TempFolderBeside(const TempFolderBeside&) = delete;
    TempFolderBeside& operator=(const TempFolderBeside&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }
    // Renames the folder to the target, only where nothing of that name exists yet.
    bool takeTargetsPlace();

private:
    QString m_target;
    QString m_path;
    int m_fd = -1;
    bool m_placed = false;
};
