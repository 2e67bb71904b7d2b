// Opening web addresses in the user's browser. Addresses are written the way the desktop shell
// takes them ("http:\\host\path"), so the text is turned into a URL here, in one place, before it
// is handed to the desktop.
#pragma once

#include <QString>
#include <QUrl>

// The address text as the shell reads it: backslashes before the query stand for slashes; the
// query and fragment are kept as given, and nothing that is valid is encoded further.
QUrl UrlOfAddress(const QString& address);

// Asks the desktop to open the address with its registered program (the browser for web
// addresses). A failure is not reported: the user sees that nothing opened.
void ShellOpen(const QString& address);
