#include "app/schedule_link.h"

#include "app/leaving_guards.h"
#include "app/schedule_window.h"

ScheduleWindow* ScheduleLink::Window() const {
    return schedule_;
}

void ScheduleLink::Open() {
    if (schedule_ == nullptr) {
        schedule_ = new ScheduleWindow(main_);
    }
    if (!guardAdded_) {
        guardAdded_ = true;
        leaving_->Add([this] { return schedule_ == nullptr || schedule_->ConfirmLeaving(); });
    }
    if (schedule_->isMinimized()) {
        schedule_->showNormal();
    } else {
        schedule_->show();
    }
    schedule_->raise();
    schedule_->activateWindow();
}
