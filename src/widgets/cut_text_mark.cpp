#include "widgets/cut_text_mark.h"

#include <QVariant>
#include <QWidget>

#include "data/rating_colours.h"
#include "documents/cut_text.h"

namespace {
const char kCutProperty[] = "tooLongForCertificate";
}  // namespace

void MarkCutText(QWidget* field, const QString& text) {
    const QString warning = CutTextWarning(text);
    const bool cut = !warning.isEmpty();
    field->setToolTip(warning);
    // Restyling is dear; only a change of state restyles.
    if (field->property(kCutProperty).toBool() != cut) {
        field->setProperty(kCutProperty, cut);
        field->setStyleSheet(cut ? QStringLiteral("%1 { border: 2px solid %2; }")
                                       .arg(QLatin1String(field->metaObject()->className()),
                                            RatingColourOf(QStringLiteral("E"))->name())
                                 : QString());
    }
}
