// Printing for real on the tests' printer queue: the printed file, turned
// back into text, against the document and its pagination.
#include "printing_test.h"

#include "edit_view.h"
#include "quillscape_view.h"
#include "text_pages.h"
#include "view.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> DocumentLines(const EditView* view)
{
    return PrintedForm(SplitLines(view->Text()));
}

TEST_F(PrintingTest, AConvertedPictureIsPrintedLineForLine)
{
    CQuillscapeView* view = ConvertFixture(L"buttons");
    ASSERT_NE(view, nullptr);
    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(GridLines(pages[0], Geometry(), CellAtScale(100)), DocumentLines(view));
}

}  // namespace
