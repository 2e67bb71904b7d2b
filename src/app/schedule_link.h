// The main window's link to the schedule window: File > Window Schedule... opens it, or brings
// the open one forward, and its unsaved edits join the questions asked when the program is left.
#pragma once

#include <QPointer>

class LeavingGuards;
class ScheduleWindow;
class TWER;

class ScheduleLink {
public:
    ScheduleLink(TWER* mainWindow, LeavingGuards* leaving) : main_(mainWindow), leaving_(leaving) {}

    void Open();
    // The schedule window while it is open, else nullptr.
    ScheduleWindow* Window() const;

private:
    TWER* main_;
    LeavingGuards* leaving_;
    QPointer<ScheduleWindow> schedule_;
    bool guardAdded_ = false;
};
