#include "platform/PlainTextLabels.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plaintext::install(app);
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
