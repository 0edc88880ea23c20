#include "support/TempDir.h"

#include "platform/Sjis.h"

#include <QDir>
#include <QFile>

QByteArray cp932(const QString& text) { return sjis::encode(text).bytes; }

void DataDirTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    msgbox::setResponder([this](msgbox::Kind kind, const QString& title, const QString& text) {
        boxes.push_back({kind, title, text});
        return answer;
    });
    savedialog::setResponder([this](const QString&, const QString& suggested, const QStringList&) {
        saveAsked.push_back(suggested);
        return saveAs;
    });
}

void DataDirTest::TearDown()
{
    msgbox::setResponder({});
    savedialog::setResponder({});
    QDir::setCurrent(previous_);
}

QString DataDirTest::path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

void DataDirTest::writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void DataDirTest::writeText(const QString& name, const QString& text) { writeBytes(name, cp932(text)); }

QByteArray DataDirTest::readBytes(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString DataDirTest::readText(const QString& name) const { return sjis::decode(readBytes(name)); }
