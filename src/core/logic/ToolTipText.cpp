#include "core/logic/ToolTipText.h"

QString ToolTipText(const QString& tag)
{
    if (tag.startsWith(QLatin1Char('*')))
        return tag.mid(9);
    return tag;
}
