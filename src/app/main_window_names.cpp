#include "app/main_window_names.h"

#include <QLabel>

#include "app/selector_drawing.h"
#include "app/twer.h"
#include "widgets/draw_grid.h"
#include "widgets/owner_draw_combo.h"

namespace {

// A caption and the control it names; Qt names the control by its buddy's text.
struct Buddy {
    const char* label;
    const char* control;
};
const Buddy kBuddies[] = {
    {"Label5", "ComboBox5"},  {"Label15", "ComboBox1"}, {"Label12", "ComboBox2"},
    {"Label10", "ComboBox3"}, {"Label36", "MemoSim"},   {"Label20", "MemoPro"},
    {"Label21", "MemoDate"},
};

// Controls without a caption beside them.
struct Name {
    const char* control;
    const char* name;
};
const Name kNames[] = {
    {"Image1", "Specification sheet"}, {"Image2", "Environmental Profile Certificate"},
    {"Memo1", "Frame Weights table"},  {"MemoSystem", "System Data table"},
    {"Memo3", "Product List table"},   {"Memo2", "BRE Ratings table"},
    {"EditOA", "Profile weight"},      {"EditOF", "Outer Frame weight"},
    {"EditVF", "Vent Frame weight"},   {"EditTM", "Transom Mullion weight"},
};

template <typename T = QWidget>
T* Control(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

}  // namespace

void NameMainWindowControls(QWidget* window) {
    for (const Buddy& buddy : kBuddies) {
        Control<QLabel>(window, buddy.label)->setBuddy(Control(window, buddy.control));
    }
    for (const Name& name : kNames) {
        Control(window, name.control)->setAccessibleName(QLatin1String(name.name));
    }
    // The grid is named by the caption above it, which stands on a panel of its own.
    auto* grid = Control<DrawGrid>(window, "DrawGrid1");
    QString caption = Control<QLabel>(window, "Label2")->text();
    caption.chop(caption.endsWith(QLatin1Char(':')) ? 1 : 0);
    grid->setAccessibleName(caption);

    // The selectors' entries read as they are shown.
    Control<OwnerDrawComboBox>(window, "ComboBox5")->setShownTextHandler(SystemEntryText);
    for (const char* profile : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        Control<OwnerDrawComboBox>(window, profile)->setShownTextHandler(ProfileEntryText);
    }
    if (auto* twer = qobject_cast<TWER*>(window)) {
        grid->SetCellTextHandler(
            [twer](int col, int row) { return twer->GridCellTextAt(col, row); });
    }
}
