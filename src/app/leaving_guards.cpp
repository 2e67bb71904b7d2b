#include "app/leaving_guards.h"

bool LeavingGuards::Confirm() {
    if (confirmed_) {
        return true;
    }
    // By index, each guard copied: a question's event loop may add a guard meanwhile.
    for (std::size_t i = 0; i < guards_.size(); ++i) {
        const Guard guard = guards_[i];
        if (!guard()) {
            return false;
        }
    }
    confirmed_ = true;
    agreed_();
    return true;
}
