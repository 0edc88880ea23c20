#pragma once
// The program's help: HTML pages shown in a help window of our own. A help
// file name such as "FernoaHelp.chm" names the folder "FernoaHelp" whose
// index.html is the default topic.
#include <QString>
#include <QStringList>

class QWidget;

namespace help {

// Folders searched for the help pages, in order.
void setSearchPaths(const QStringList& folders);
// The default topic's path, or empty when the pages are not found.
QString defaultTopic(const QString& helpFileName);
// Opens (or raises) the help window at the default topic; false when not found.
bool open(QWidget* owner, const QString& helpFileName);
// Closes every help window the program opened.
void closeAll();
bool isOpen();

}  // namespace help
