#pragma once
#include <memory>
#include <string>
#include <vector>

namespace printing {

class PageSink;

// One placed text. code is the TextHeight in force: 0 = left-aligned text,
// 2 = amount, right-aligned in the width. Positions and width are inches from
// the page's top-left corner.
struct PrintItem {
    double left = 0;
    double top = 0;
    double width = 0;
    int code = 0;
    std::string text;
};

// A page's set-up: the control's page and font properties as they stood when
// the page's first item was printed (or when the page ended, if it has none).
struct PageSetup {
    std::string caption;
    std::string note;
    double width = 0; // inches; 0 when never stored
    double height = 0;
    bool landscape = false;
    int resolution = 0;
    std::string templateFile;
    std::string picture; // bare file name of the page image, "" for none
    bool showPicture = false;
    bool printPicture = false;
    std::string fontName;
    int fontSize = 0;
    int fontCode = 0;
    bool fontBold = false;
    bool fontItalic = false;
    int fontOption = 0;
    bool textFlag = false;
};

struct PrintPage {
    PageSetup setup;
    std::vector<PrintItem> items; // blank items (" ") print nothing and are not kept
};

enum class DocumentStatus { Open, Finished, Aborted };

// One document of a print control, from StartDoc to EndDoc. A document that
// never got EndDoc is Aborted and is never rendered.
struct PrintDocument {
    std::string controlName;
    std::string title;
    // The name the printout proposes for its file, without folder or
    // extension ("ACME TOOLS - Form 941 2022 Q1"); empty: none named.
    std::string fileName;
    DocumentStatus status = DocumentStatus::Open;
    std::vector<PrintPage> pages;
    // The stores that built it, as "Name=Value" lines, from the first store
    // after the previous document of the same control closed.
    std::vector<std::string> trace;
    // Set when each page went to this sink as it was finished (PageSink.h);
    // `pages` then holds none.
    std::shared_ptr<PageSink> pageSink;

    bool Finished() const { return status == DocumentStatus::Finished; }
};

} // namespace printing
