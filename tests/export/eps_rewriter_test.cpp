// EPS from the PostScript of a printed page: the bounding box of a drawing's box on the page,
// and the rewriting of the header, the driver's boxes and the end of the document.
#include <gtest/gtest.h>

#include "export/eps_rewriter.h"

namespace {

using Box = CEpsRewriter::PointBox;

const Box kLetter{0, 0, 612, 792};

// PostScript as the converters write it: a prefix before the header, the driver's boxes, an
// "(%%EOF)" inside the program and a trailer after the end.
const QByteArray kDriverOutput =
    "\x1b%-12345X@PJL JOB\r\n"
    "%!PS-Adobe-3.0\n"
    "%%Creator: test\n"
    "%%BoundingBox: 0 0 612 792\n"
    "%%HiResBoundingBox: 0 0 612.00 792.00\n"
    "%%EndComments\n"
    "currentfile 1(%%EOF)/SubFileDecode filter\n"
    "%%Page: 1 1\n"
    "%%PageBoundingBox: 0 0 612 792\n"
    "0 0 moveto\r\n"
    "%%Trailer\n"
    "%%BoundingBox: 0 0 612 792\n"
    "%%EOF\n"
    "\x1b%-12345X\n";

}  // namespace

TEST(EpsRewriterTest, BoundingBoxOfABoxOnALetterPage) {
    // One inch in from the left and top, an inch wide and half an inch high.
    EXPECT_EQ(CEpsRewriter::ComputeBoundingBox(CRect(100, 100, 200, 150), kLetter),
              (Box{68, 680, 148, 724}));
    // The page's own offset carries over; whole points are cut toward zero.
    EXPECT_EQ(CEpsRewriter::ComputeBoundingBox(CRect(1, 3, 3, 4), Box{10, 20, 110, 220}),
              (Box{6, 214, 15, 222}));
    // A box that reaches off the page to the left.
    EXPECT_EQ(CEpsRewriter::ComputeBoundingBox(CRect(-50, 0, 50, 100), kLetter),
              (Box{-40, 716, 40, 796}));
}

TEST(EpsRewriterTest, OnlyABoxOfAtLeastOneUnitEachWayIsPublished) {
    EXPECT_TRUE(CEpsRewriter::IsPublishable(CRect(0, 0, 1, 1)));
    EXPECT_FALSE(CEpsRewriter::IsPublishable(CRect(0, 0, 0, 5)));
    EXPECT_FALSE(CEpsRewriter::IsPublishable(CRect(0, 5, 5, 5)));
    EXPECT_FALSE(CEpsRewriter::IsPublishable(CRect()));
}

TEST(EpsRewriterTest, RewritesTheHeaderAndPlacesTheBoxBeforeTheEndOfTheComments) {
    const CRect box(100, 100, 200, 150);
    QByteArray eps;
    QString error;
    ASSERT_TRUE(CEpsRewriter::Rewrite(kDriverOutput, &box, &eps, &error)) << error.toStdString();
    EXPECT_EQ(eps, QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n"
                              "%%Creator: test\n"
                              "%%BoundingBox: 68 680 148 724\n"
                              "%%EndComments\n"
                              "currentfile 1(%%EOF)/SubFileDecode filter\n"
                              "%%Page: 1 1\n"
                              "%%PageBoundingBox: 0 0 612 792\n"
                              "0 0 moveto\r\n"
                              "%%Trailer\n"
                              "%%EOF\n"));
}

TEST(EpsRewriterTest, WithoutABoxTheDriversBoundingBoxStays) {
    QByteArray eps;
    QString error;
    ASSERT_TRUE(CEpsRewriter::Rewrite(kDriverOutput, nullptr, &eps, &error));
    EXPECT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: test\n"));
    EXPECT_EQ(eps.count("%%BoundingBox: 0 0 612 792\n"), 2);
    EXPECT_TRUE(eps.endsWith("%%Trailer\n%%BoundingBox: 0 0 612 792\n%%EOF\n"));
}

TEST(EpsRewriterTest, AHeaderWithoutEndOfCommentsTakesTheBoxAfterItsFirstLine) {
    const QByteArray ps = "%!PS\n%%PageBoundingBox: 0 0 100 100\nshowpage\n";
    const CRect box(0, 0, 100, 100);
    QByteArray eps;
    QString error;
    ASSERT_TRUE(CEpsRewriter::Rewrite(ps, &box, &eps, &error));
    // No end-of-file comment: everything after the header is kept.
    EXPECT_EQ(eps, QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: -4 24 76 104\n"
                              "%%PageBoundingBox: 0 0 100 100\nshowpage\n"));
}

TEST(EpsRewriterTest, RefusesWhatIsNotPostScriptAndABoxWithoutAPage) {
    QByteArray eps = "untouched";
    QString error;
    EXPECT_FALSE(CEpsRewriter::Rewrite("%PDF-1.4\n%%EOF\n", nullptr, &eps, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(eps, QByteArray("untouched"));

    const CRect box(0, 0, 10, 10);
    error.clear();
    EXPECT_FALSE(CEpsRewriter::Rewrite("%!PS\n%%EndComments\n%%EOF\n", &box, &eps, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("bounding box")));

    // A damaged page box is no page box.
    Box page;
    EXPECT_FALSE(CEpsRewriter::FindPageBoundingBox("%%PageBoundingBox: 0 0 x 9\n", &page));
    EXPECT_FALSE(CEpsRewriter::FindPageBoundingBox("%%PageBoundingBox: 1 2 3\n", &page));
    ASSERT_TRUE(CEpsRewriter::FindPageBoundingBox("%%PageBoundingBox:  1 2  3 4\r\n", &page));
    EXPECT_EQ(page, (Box{1, 2, 3, 4}));
    // The page's box wins over the document's; an EPS of one page has only the latter.
    ASSERT_TRUE(CEpsRewriter::FindPageBoundingBox(
        "%%BoundingBox: (atend)\n%%BoundingBox: 5 6 7 8\n%%PageBoundingBox: 1 2 3 4\n", &page));
    EXPECT_EQ(page, (Box{1, 2, 3, 4}));
    ASSERT_TRUE(CEpsRewriter::FindPageBoundingBox(
        "%%BoundingBox: (atend)\n%%BoundingBox: 5 6 7 8\n", &page));
    EXPECT_EQ(page, (Box{5, 6, 7, 8}));
}
