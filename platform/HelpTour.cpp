#include "platform/HelpTour.h"

#include "platform/MessageBox.h"

void HelpTour::show(QWidget* parent) const
{
    if (flag != 0)
        msgbox::information(parent, QStringLiteral("ヘルプツアー"), text);
}
