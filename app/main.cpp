#include "app/CTembrelApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CTembrelApp tembrel;
    return tembrel.run(QApplication::arguments());
}
