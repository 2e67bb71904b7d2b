#include "schedule/workbook_parts.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "schedule/schedule.h"
#include "schedule/workbook.h"

namespace {

const QString kLargestPartText = QStringLiteral("128 MB");

// A part's path from a relationship's target, relative to the folder of the part that names it.
QString PartPath(const QString& sourceFolder, const QString& target) {
    QStringList path = target.startsWith(QLatin1Char('/'))
                           ? QStringList()
                           : sourceFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& step : target.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("..")) {
            if (!path.isEmpty()) {
                path.removeLast();
            }
        } else if (step != QLatin1String(".")) {
            path << step;
        }
    }
    return path.join(QLatin1Char('/'));
}

// Characters that XML cannot hold, as spreadsheets write them: "_x000D_" for a carriage return,
// "_x005F_" for the "_" of a text that looks like such an escape.
QString Unescaped(const QString& text) {
    if (!text.contains(QLatin1String("_x"))) {
        return text;
    }
    QString plain;
    for (qsizetype i = 0; i < text.size();) {
        const QStringView code = QStringView(text).mid(i + 2, 4);
        const bool escape = text.mid(i, 2) == QLatin1String("_x") && i + 7 <= text.size() &&
                            text[i + 6] == QLatin1Char('_') &&
                            std::all_of(code.begin(), code.end(), [](QChar c) {
                                return QStringLiteral("0123456789abcdefABCDEF").contains(c);
                            });
        if (escape) {
            plain += QChar(static_cast<char16_t>(code.toUShort(nullptr, 16)));
            i += 7;
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

}  // namespace

// The archive's bytes as minizip reads a file: the functions it calls to read and seek.
struct ArchiveInMemory {
    QByteArray bytes;
    qint64 at = 0;

    static voidpf Open(voidpf opaque, const void*, int) { return opaque; }
    static uLong Read(voidpf opaque, voidpf, void* buffer, uLong size) {
        auto* self = static_cast<ArchiveInMemory*>(opaque);
        const qint64 count = std::clamp<qint64>(self->bytes.size() - self->at, 0, qint64(size));
        memcpy(buffer, self->bytes.constData() + self->at, static_cast<size_t>(count));
        self->at += count;
        return static_cast<uLong>(count);
    }
    static uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }
    static ZPOS64_T Tell(voidpf opaque, voidpf) {
        return static_cast<ZPOS64_T>(static_cast<ArchiveInMemory*>(opaque)->at);
    }
    static long Seek(voidpf opaque, voidpf, ZPOS64_T offset, int origin) {
        auto* self = static_cast<ArchiveInMemory*>(opaque);
        const qint64 base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? self->at
                            : origin == ZLIB_FILEFUNC_SEEK_END ? self->bytes.size()
                                                               : 0;
        if (offset > ZPOS64_T(self->bytes.size()) || base + qint64(offset) > self->bytes.size()) {
            return -1;
        }
        self->at = base + qint64(offset);
        return 0;
    }
    static int Close(voidpf, voidpf) { return 0; }
    static int Error(voidpf, voidpf) { return 0; }
};

// A part of the archive as it unpacks, which stops (an error to the XML reader) past the bound,
// however small the archive said the part was.
class BoundedPart : public QIODevice {
public:
    explicit BoundedPart(void* zip) : zip_(zip) {}
    ~BoundedPart() override {
        if (opened_) {
            unzCloseCurrentFile(zip_);
        }
    }
    bool Open() {
        opened_ = unzOpenCurrentFile(zip_) == UNZ_OK;
        return opened_ && open(QIODevice::ReadOnly);
    }
    bool Passed() const { return passed_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 most) override {
        const qint64 asked = std::min({most, kLargestWorkbookPart + 1 - read_, qint64(INT_MAX)});
        const int got = unzReadCurrentFile(zip_, data, static_cast<unsigned>(asked));
        read_ += std::max(got, 0);
        passed_ = passed_ || read_ > kLargestWorkbookPart;
        return passed_ || got < 0 ? -1 : got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void* zip_;
    bool opened_ = false;
    qint64 read_ = 0;
    bool passed_ = false;
};

WorkbookParts::WorkbookParts(const QByteArray& bytes)
    : archive_(std::make_unique<ArchiveInMemory>()) {
    archive_->bytes = bytes;
    zlib_filefunc64_def functions{&ArchiveInMemory::Open,  &ArchiveInMemory::Read,
                                  &ArchiveInMemory::Write, &ArchiveInMemory::Tell,
                                  &ArchiveInMemory::Seek,  &ArchiveInMemory::Close,
                                  &ArchiveInMemory::Error, archive_.get()};
    zip_ = unzOpen2_64("workbook", &functions);
    if (zip_ == nullptr) {
        error_ = QStringLiteral(
            "the workbook cannot be unpacked: it is no .xlsx file, or it is damaged");
    }
}

WorkbookParts::~WorkbookParts() {
    if (zip_ != nullptr) {
        unzClose(zip_);
    }
}

bool WorkbookParts::ReadPart(const QString& path,
                             const std::function<void(QXmlStreamReader&)>& read, bool optional) {
    if (!error_.isEmpty()) {
        return false;
    }
    if (zip_ == nullptr || path.isEmpty() ||
        unzLocateFile(zip_, path.toUtf8().constData(), 1) != UNZ_OK) {
        if (!optional) {
            error_ = QStringLiteral(
                         "the workbook has no part %1: it is no .xlsx file (an .xls or .ods file? "
                         "save it as .xlsx or CSV)")
                         .arg(path);
        }
        return false;
    }
    path_ = path;
    unz_file_info64 info{};
    BoundedPart part(zip_);
    part_ = &part;
    if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
        info.uncompressed_size > quint64(kLargestWorkbookPart)) {
        error_ = BombText();
    } else if (!part.Open()) {
        error_ = QStringLiteral("the workbook's part %1 cannot be unpacked").arg(path);
    } else {
        QXmlStreamReader xml(&part);
        read(xml);
        if (error_.isEmpty()) {
            error_ = PartProblem(xml);
        }
    }
    part_ = nullptr;
    return error_.isEmpty();
}

QString WorkbookParts::BombText() const {
    return QStringLiteral(
               "the workbook's part %1 unpacks to more than %2, far more than a schedule needs "
               "(a zip bomb?)")
        .arg(path_, kLargestPartText);
}

QString WorkbookParts::PartProblem(const QXmlStreamReader& xml) const {
    if (part_ != nullptr && part_->Passed()) {
        return BombText();
    }
    if (xml.hasError()) {
        return QStringLiteral("the workbook's part %1 is damaged: %2 (line %3)")
            .arg(path_, xml.errorString())
            .arg(xml.lineNumber());
    }
    return {};
}

WorkbookParts::Relations WorkbookParts::RelationsOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    const QString folder = part.left(std::max<qsizetype>(slash, 0));
    const QString path = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) +
                         QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
    Relations relations;
    ReadPart(
        path,
        [&](QXmlStreamReader& xml) {
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement &&
                    xml.name() == QLatin1String("Relationship")) {
                    const QXmlStreamAttributes a = xml.attributes();
                    const QString target =
                        PartPath(folder, a.value(QLatin1String("Target")).toString());
                    const QString type =
                        a.value(QLatin1String("Type")).toString().section(QLatin1Char('/'), -1);
                    relations.byId.insert(a.value(QLatin1String("Id")).toString(), target);
                    if (!relations.byType.contains(type)) {
                        relations.byType.insert(type, target);
                    }
                }
            }
        },
        true);
    return relations;
}

QString TextOfElement(QXmlStreamReader& xml, bool* tooLong) {
    QString text;
    const bool runs = xml.name() != QLatin1String("v") && xml.name() != QLatin1String("t");
    int inside = runs ? 0 : 1;  // within a <t>, or the element is its own text
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (xml.name() == QLatin1String("rPh")) {
                    xml.skipCurrentElement();
                } else {
                    ++depth;
                    inside += runs && xml.name() == QLatin1String("t") ? 1 : 0;
                }
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                inside -= runs && depth > 0 && xml.name() == QLatin1String("t") ? 1 : 0;
                break;
            case QXmlStreamReader::Characters:
                if (inside > 0 && !*tooLong) {
                    text += xml.text();
                    if (text.size() > kLongestScheduleCell) {
                        *tooLong = true;
                        text.clear();
                    }
                }
                break;
            default:
                break;
        }
    }
    return Unescaped(text);
}

int ColumnOfReference(QStringView reference) {
    int column = 0;
    qsizetype k = 0;
    for (; k < reference.size() && k < 4; ++k) {
        const char16_t c = reference[k].toUpper().unicode();
        if (c < u'A' || c > u'Z') {
            break;
        }
        column = column * 26 + (c - u'A' + 1);
    }
    return k == 0 || k == 4 ? -1 : column - 1;
}
