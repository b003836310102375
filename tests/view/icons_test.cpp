// The icons of the commands are compiled into the library and render crisp at any size.
#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>

TEST(IconsTest, EveryIconRendersAtSmallAndLargeSizes) {
    const QStringList names = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
    ASSERT_GE(names.size(), 80);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon(QStringLiteral(":/icons/") + name);
        ASSERT_FALSE(icon.isNull());
        for (int size : {16, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.width(), size);
            // Something is drawn, and not everywhere.
            int inked = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
                }
            }
            EXPECT_GT(inked, size);
            EXPECT_LT(inked, size * size);
        }
    }
}
