// Drawing the open drop-down of a profile selector: 20 entries, each of which looks its
// picture up in the picture store and loads it, as every repaint does. The store has 50 update
// folders with a few dozen pictures each; the entries' picture lies in the newest folder only
// (found at the first try) or in the oldest only (49 misses first).
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "app/selector_drawing.h"
#include "data/picture_store.h"
#include "platform/canvas.h"

namespace {

constexpr int kUpdateFolders = 50;
constexpr int kOtherPictures = 30;
constexpr int kEntries = 20;
constexpr int kEntryHeight = 30;

enum class Where { Newest, Oldest };

// A picture store in a temporary folder, built once per case.
class Store {
public:
    explicit Store(Where where) {
        QImage picture(60, 56, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(10, 10, 30, 30, Qt::black);
        for (int u = 0; u < kUpdateFolders; ++u) {
            const QString pics =
                Base() + QStringLiteral("/Update%1/Pics/Bitmap STD/").arg(2000 + u);
            QDir().mkpath(pics);
            for (int p = 0; p < kOtherPictures; ++p) {
                picture.save(pics + QStringLiteral("QMT%1.bmp").arg(p, 3, 10, QLatin1Char('0')),
                             "BMP");
            }
            const bool holds = (where == Where::Newest) ? u == kUpdateFolders - 1 : u == 0;
            if (holds) {
                for (int e = 0; e < kEntries; ++e) {
                    picture.save(pics + EntryCode(e) + QStringLiteral(".bmp"), "BMP");
                }
            }
        }
    }
    QString Base() const { return dir_.path() + QStringLiteral("/Updates"); }
    static QString EntryCode(int e) {
        return QStringLiteral("PRF%1").arg(e, 3, 10, QLatin1Char('0'));
    }

private:
    QTemporaryDir dir_;
};

Store& StoreFor(Where where) {
    static std::unique_ptr<Store> newest;
    static std::unique_ptr<Store> oldest;
    std::unique_ptr<Store>& store = (where == Where::Newest) ? newest : oldest;
    if (!store) {
        store = std::make_unique<Store>(where);
    }
    return *store;
}

// suffix "F" makes every entry an F code, whose picture name ends in ".BMP" and so is found
// only by the lookup that ignores letter case.
void DrawOpenList(benchmark::State& state, Where where, const QString& suffix) {
    Store& store = StoreFor(where);
    QImage surface(113, kEntries * kEntryHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        Canvas canvas(painter);
        for (int e = 0; e < kEntries; ++e) {
            canvas.SetBrushColor(Qt::white);
            canvas.SetFontBold(false);
            DrawProfileEntry(canvas, QRect(0, e * kEntryHeight, 113, kEntryHeight),
                             Store::EntryCode(e) + suffix, store.Base());
        }
    }
    state.counters["entries"] = kEntries;
}

void LookUpOnly(benchmark::State& state, Where where, const QString& suffix) {
    Store& store = StoreFor(where);
    for (auto _ : state) {
        for (int e = 0; e < kEntries; ++e) {
            benchmark::DoNotOptimize(
                FindUpdateFile(store.Base(), kProfilePictureFolder,
                               PictureFileNameFor(Store::EntryCode(e) + suffix)));
        }
    }
}

// What a cache of lookups would still have to do at every repaint to see a newly added picture:
// list the base folder and read the modification time of every update's picture folder.
void BM_CacheValidationEstimate(benchmark::State& state) {
    Store& store = StoreFor(Where::Oldest);
    for (auto _ : state) {
        const QStringList updates =
            QDir(store.Base()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
        qint64 newest = 0;
        for (const QString& update : updates) {
            const QFileInfo pics(store.Base() + '/' + update + QStringLiteral("/Pics/Bitmap STD"));
            newest = std::max(newest, pics.lastModified().toMSecsSinceEpoch());
        }
        benchmark::DoNotOptimize(newest);
    }
}

void BM_OpenList_PictureInNewest(benchmark::State& s) {
    DrawOpenList(s, Where::Newest, {});
}
void BM_OpenList_PictureInOldest(benchmark::State& s) {
    DrawOpenList(s, Where::Oldest, {});
}
void BM_OpenList_FCodes_PictureInNewest(benchmark::State& s) {
    DrawOpenList(s, Where::Newest, QStringLiteral("F"));
}
void BM_OpenList_FCodes_PictureInOldest(benchmark::State& s) {
    DrawOpenList(s, Where::Oldest, QStringLiteral("F"));
}
void BM_LookUpOnly_PictureInNewest(benchmark::State& s) {
    LookUpOnly(s, Where::Newest, {});
}
void BM_LookUpOnly_PictureInOldest(benchmark::State& s) {
    LookUpOnly(s, Where::Oldest, {});
}

}  // namespace

BENCHMARK(BM_OpenList_PictureInNewest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenList_PictureInOldest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenList_FCodes_PictureInNewest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenList_FCodes_PictureInOldest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpOnly_PictureInNewest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpOnly_PictureInOldest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CacheValidationEstimate)->Unit(benchmark::kMillisecond);
