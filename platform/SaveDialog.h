#pragma once
// A modal dialog asking for a file to save to. Tests install a responder that
// answers it and records what was asked.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace savedialog {

struct Choice {
    QString path;
    int filter = 0;  // which of the filters was chosen
};

// Asks with `title`, proposing `suggested` (a path) and offering `filters`
// ("CSV (*.csv)"); nothing when the user cancels. The dialog adds the chosen
// filter's ending to a name typed without one and asks before replacing a
// file.
std::optional<Choice> ask(QWidget* parent, const QString& objectName, const QString& title, const QString& suggested,
                          const QStringList& filters);

using Responder =
    std::function<std::optional<Choice>(const QString& title, const QString& suggested, const QStringList& filters)>;
void setResponder(Responder responder);  // an empty function restores the real dialog

}  // namespace savedialog
