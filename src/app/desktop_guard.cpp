#include "app/desktop_guard.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

const char* const kNoDesktopText =
    "greenguide: the window needs a desktop and none was found; without one, use the command "
    "line: greenguide --help\n";

namespace {

QtMessageHandler previousHandler = nullptr;

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};
QList<HeldMessage> heldMessages;

// Qt says why each platform failed before its fatal error ("could not connect to display"),
// and the fatal error suggests reinstalling the program: neither helps where there is simply no
// desktop.
void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDesktopText, stderr);
        std::fflush(stderr);
        std::_Exit(2);
    }
    heldMessages.append({type, QString::fromLatin1(context.category), message});
}

}  // namespace

DesktopGuard::DesktopGuard() {
    previousHandler = qInstallMessageHandler(HoldPlatformMessages);
}

DesktopGuard::~DesktopGuard() {
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> held = std::exchange(heldMessages, {});
    for (const HeldMessage& message : held) {
        const QByteArray category = message.category.toLatin1();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(message.type, context, message.text);
    }
}
