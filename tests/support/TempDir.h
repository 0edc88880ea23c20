#pragma once
// Each test runs in a fresh, empty working directory, the program's data
// directory while the test runs; message boxes and save dialogs are answered
// by the test.
#include "platform/MessageBox.h"
#include "platform/SaveDialog.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <vector>

class DataDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes / CP932 text to a file of the data directory.
    void writeBytes(const QString& name, const QByteArray& bytes);
    void writeText(const QString& name, const QString& text);
    QByteArray readBytes(const QString& name) const;
    QString readText(const QString& name) const;
    QString path(const QString& name) const;

    struct Box {
        msgbox::Kind kind;
        QString title, text;
    };
    std::vector<Box> boxes;  // every message box shown, in order
    bool answer = true;      // what confirmations are answered
    // What a save dialog answers (nothing: cancelled), and what each asked.
    std::optional<savedialog::Choice> saveAs;
    std::vector<QString> saveAsked;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The bytes of a text in code page 932.
QByteArray cp932(const QString& text);
