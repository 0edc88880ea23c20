#include "platform/PlainTextLabels.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {
class LabelPolisher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto* label = qobject_cast<QLabel*>(watched))
                label->setTextFormat(Qt::PlainText);
        }
        return false;
    }
};
}  // namespace

namespace plaintext {
void install(QApplication& app) { app.installEventFilter(new LabelPolisher(&app)); }
}  // namespace plaintext
