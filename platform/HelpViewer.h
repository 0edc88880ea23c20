#pragma once
// The program's help: HTML pages shown in a help window of our own. A help
// file name such as "FernoaHelp.chm" names the folder "FernoaHelp" whose
// index.html is the default topic.
#include <QString>
#include <QStringList>

class QWidget;

namespace help {

// The program's help, by the file name its pages stand for.
inline const QString ProgramHelp = QStringLiteral("FernoaHelp.chm");

// Folders searched for the help pages, in order.
void setSearchPaths(const QStringList& folders);
// The default topic's path, or empty when the pages are not found.
QString defaultTopic(const QString& helpFileName);
// Opens (or raises) the help window at `page` of the help folder, a file
// with an optional anchor ("games.html#link"), or at the default topic when
// `page` is empty; false when the pages are not found. The window fits the
// available area of the owner's screen and opens there.
bool open(QWidget* owner, const QString& helpFileName, const QString& page = {});
// Closes every help window the program opened.
void closeAll();
bool isOpen();

}  // namespace help
