#include "data/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/program_error.h"
#include "platform/system_calls.h"
#include "platform/whole_file.h"

#include <algorithm>
#include <cerrno>

namespace {

// Characters of the bytes 0x80 to 0x9F; the undefined ones stand for themselves.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar CharOfByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
}

// Reading a file this much at a time: a long table is then held once, as its text, and not
// also as its bytes.
constexpr qint64 kReadPiece = 1 << 20;
// Room made for a file's text up front, at most; a longer one grows as it is read.
constexpr qint64 kMostReserved = qint64(1) << 28;

}  // namespace

TableTextDecoder::TableTextDecoder(qsizetype expectedSize) {
    text_.reserve(std::min<qint64>(expectedSize, kMostReserved));
}

bool TableTextDecoder::Feed(const char* bytes, qsizetype size) {
    // One decoding pass: the text ends at a NUL byte, CR LF and a lone CR become "\n", and
    // every other byte becomes its character. A CR that ends one piece pairs with an LF that
    // starts the next.
    if (ended_) {
        CountRest(bytes, size);
        return false;
    }
    const qsizetype start = text_.size();
    text_.resize(start + size);
    QChar* const out = text_.data();
    qsizetype n = start;
    for (qsizetype i = 0; i < size; ++i) {
        const char byte = bytes[i];
        if (byte == '\0') {
            ended_ = true;
            afterCr_ = false;
            text_.truncate(n);
            cutLine_ = static_cast<int>(text_.count(QLatin1Char('\n'))) + 1;
            CountRest(bytes + i + 1, size - i - 1);
            return false;
        }
        const bool pairedLf = afterCr_ && byte == '\n';
        afterCr_ = byte == '\r';
        if (pairedLf) {
            continue;
        }
        out[n++] = afterCr_ ? QChar(QLatin1Char('\n')) : CharOfByte(byte);
    }
    text_.truncate(n);
    return !ended_;
}

void TableTextDecoder::CountRest(const char* bytes, qsizetype size) {
    // The same line breaks as the text's; zero bytes in the rest are ordinary characters.
    for (qsizetype i = 0; i < size; ++i) {
        const char byte = bytes[i];
        const bool pairedLf = afterCr_ && byte == '\n';
        afterCr_ = byte == '\r';
        if (pairedLf) {
            continue;
        }
        if (afterCr_ || byte == '\n') {
            if (restBreaks_++ == 0) {
                cutLineRestHasText_ = restLineHasText_;
            }
            restLineHasText_ = false;
        } else {
            restLineHasText_ = true;
        }
    }
}

TextCut TableTextDecoder::Cut() const {
    if (!ended_) {
        return {};
    }
    // The lines after the cut line, the last one only when it holds text, and the cut line's
    // rest when it holds any.
    const bool cutLineRest = restBreaks_ == 0 ? restLineHasText_ : cutLineRestHasText_;
    const int after = restBreaks_ == 0 ? 0 : restBreaks_ - 1 + (restLineHasText_ ? 1 : 0);
    return {cutLine_, after + (cutLineRest ? 1 : 0)};
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = CharOfByte(bytes[i]);
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kHighControls[k] == c) {
                    byte = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        out[i] = byte;
    }
    return bytes;
}

QString TableTextOfFileBytes(const QByteArray& bytes, TextCut* cut) {
    TableTextDecoder decoder(bytes.size());
    decoder.Feed(bytes.constData(), bytes.size());
    if (cut != nullptr) {
        *cut = decoder.Cut();
    }
    return decoder.Take();
}

QByteArray FileBytesOfTableText(const QString& text) {
    QByteArray bytes = EncodeWindows1252(text);
    bytes.replace("\n", "\r\n");
    return bytes;
}

QString ProgramFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

bool DataFileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

bool DataFileToRead(const QString& path) {
    const PathState state = StateOfPath(path, true);
    QString reason;
    switch (state.kind) {
        case PathKind::RegularFile:
            return !QFileInfo(path).isHidden();
        case PathKind::Nothing:
            if (StateOfPath(path, false).kind != PathKind::SymbolicLink) {
                return false;
            }
            reason = QStringLiteral("the link leads to no file");
            break;
        case PathKind::Folder:
            reason = qt_error_string(EISDIR);
            break;
        default:
            reason = state.error != 0 ? qt_error_string(state.error)
                                      : QStringLiteral("it is not a regular file");
    }
    throw ProgramError(QStringLiteral("cannot read %1: %2").arg(path, reason));
}

QString ReadTableFile(const QString& path, TextCut* cut) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ProgramError(QStringLiteral("Cannot open file ") + path);
    }
    TableTextDecoder decoder(file.size());
    QByteArray piece(kReadPiece, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0 || file.error() != QFileDevice::NoError) {
            throw ProgramError(QStringLiteral("Cannot open file ") + path);
        }
        // After a zero byte the rest is still read, only to be counted, when a cut is asked for.
        if (got == 0 || (!decoder.Feed(piece.constData(), got) && cut == nullptr)) {
            break;
        }
    }
    if (cut != nullptr) {
        *cut = decoder.Cut();
    }
    return decoder.Take();
}

void WriteTableFile(const QString& path, const QString& text) {
    const WholeFileResult result = WriteWholeFile(path, FileBytesOfTableText(text));
    if (!result.written) {
        throw ProgramError(CannotCreateFileText(path, result.reason));
    }
}
