#include "tests/support/TempProgramDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QByteArray TempProgramDir::defaultDataFile() {
    return "[Main_Directory]\nMaster_Directory=Library\n"
           "[Editor_Name]\nEditor=audacity\n"
           "[Default_Rec_Name]\nRec_Name=Take\n"
           "[Record]\nRec_Time=30\nShow_Win=1\n"
           "[Cursor]\nCurrent=1\n"
           "[Show]\nAtf=1\nFsb=0\n"
           "[Default_Mail]\nTo=someone@example.org\n"
           "[Copy To Directory]\nDirectory=\n"
           "[Add From Directory]\nDirectory=\n"
           "[User_Directories_Number]\nUser_Directories=0\n";
}

TempProgramDir::TempProgramDir(const QByteArray& dataFile) {
    EXPECT_TRUE(m_dir.isValid());
    if (!dataFile.isNull())
        writeFile(this->dataFile(), dataFile);
    QDir(m_dir.path()).mkpath(QStringLiteral("Library"));
}

QString TempProgramDir::path() const {
    return m_dir.path() + QLatin1Char('/');
}
QString TempProgramDir::dataFile() const {
    return path() + QStringLiteral("Tembrel.dat");
}
QString TempProgramDir::library() const {
    return path() + QStringLiteral("Library");
}

QString TempProgramDir::makeFolder(const QString& relative) const {
    QDir(m_dir.path()).mkpath(relative);
    return path() + relative;
}

void TempProgramDir::writeFile(const QString& filePath, const QByteArray& bytes) const {
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << filePath.toStdString();
    file.write(bytes);
}

void TempProgramDir::removeDataFile() const {
    QFile::remove(dataFile());
}
