#include "platform/PlainTextLabels.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {
const char* const OwnMarkup = "fernoa2OwnMarkup";

class LabelPolisher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            auto* label = qobject_cast<QLabel*>(watched);
            if (label && !label->property(OwnMarkup).toBool())
                label->setTextFormat(Qt::PlainText);
        }
        return false;
    }
};
}  // namespace

namespace plaintext {
void install(QApplication& app) { app.installEventFilter(new LabelPolisher(&app)); }

void keepMarkup(QLabel* label)
{
    label->setProperty(OwnMarkup, true);
    label->setTextFormat(Qt::RichText);
}
}  // namespace plaintext
