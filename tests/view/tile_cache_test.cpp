// The tile cache: what an invalidation touches, and the tiles kept across zooms.
#include <gtest/gtest.h>

#include "view/tile_cache.h"

namespace {

constexpr int kTile = CQarnTileCache::kTileSize;

void MakeReady(CQarnTileCache& cache, int cols, int rows) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            cache.Obtain(c, r).dirty = QRegion();
        }
    }
}

}  // namespace

TEST(TileCacheTest, AnInvalidationDirtiesOnlyThePixelsItTouches) {
    CQarnTileCache cache;
    cache.SetScale(1.0, 1.0);
    MakeReady(cache, 3, 3);
    cache.Invalidate(QRect(250, 10, 20, 20));  // across tiles (0,0) and (1,0)
    EXPECT_EQ(cache.Find(0, 0)->dirty, QRegion(250, 10, 6, 20));
    EXPECT_EQ(cache.Find(1, 0)->dirty, QRegion(0, 10, 14, 20));
    EXPECT_TRUE(cache.Find(2, 0)->IsReady());
    EXPECT_TRUE(cache.Find(0, 1)->IsReady());
    std::vector<CQarnTileCache::Tile*> dirty;
    cache.CollectDirty(QRect(0, 0, 3 * kTile, 3 * kTile), false, dirty);
    EXPECT_EQ(dirty.size(), 2u);
    // Asking for missing tiles too makes them, all dirty.
    dirty.clear();
    cache.CollectDirty(QRect(3 * kTile, 0, 10, 10), true, dirty);
    ASSERT_EQ(dirty.size(), 1u);
    EXPECT_EQ(dirty[0]->dirty, QRegion(0, 0, kTile, kTile));
}

TEST(TileCacheTest, NegativeCoordinatesFallInTheTilesBeforeTheOrigin) {
    int c0, r0, c1, r1;
    CQarnTileCache::TileSpan(QRect(-1, -kTile - 1, 2, 2), c0, r0, c1, r1);
    EXPECT_EQ(c0, -1);
    EXPECT_EQ(c1, 0);
    EXPECT_EQ(r0, -2);
    EXPECT_EQ(r1, -1);
}

TEST(TileCacheTest, ZoomingKeepsThePreviousTilesAndComingBackReusesThem) {
    CQarnTileCache cache;
    cache.SetScale(1.0, 1.0);
    MakeReady(cache, 2, 2);
    cache.SetScale(2.0, 2.0);
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(cache.GetPrevious().tiles.size(), 4u);
    // An edit at the new scale drops the previous tiles it covers.
    cache.Invalidate(QRect(0, 0, 20, 20));
    EXPECT_EQ(cache.GetPrevious().tiles.size(), 3u);
    cache.SetScale(1.0, 1.0);
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_DOUBLE_EQ(cache.GetScaleX(), 1.0);
}

TEST(TileCacheTest, DocumentRectanglesMapToCoveringPixelsAndBack) {
    CQarnTileCache cache;
    cache.SetScale(1.5, 1.5);
    const QRect device = cache.ToDevice(CRect(10, 10, 21, 20));
    EXPECT_EQ(device, QRect(15, 15, 17, 15));
    const CRect back = cache.ToDocument(device);
    EXPECT_LE(back.left, 10);
    EXPECT_GE(back.right, 21);
}

TEST(TileCacheTest, EvictionDropsTheLongestUnusedOutsideTheKeptArea) {
    CQarnTileCache cache;
    cache.SetScale(1.0, 1.0);
    MakeReady(cache, 4, 1);
    cache.Touch(QRect(0, 0, 2 * kTile, kTile));
    cache.Evict(QRect(0, 0, kTile, kTile), 2);
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_NE(cache.Find(0, 0), nullptr);
    EXPECT_NE(cache.Find(1, 0), nullptr);
}
