// The address that a web link of the Help menu opens, worked out from the link's caption.
#pragma once

#include <QString>

// The address that a web link with the given caption opens. A caption holding "..." asks the
// search engine for its direct result, the query being the caption up to and including the first
// full stop of its first "..."; any other caption is a host name and opens as it is.
QString WebLinkAddress(const QString& caption);
