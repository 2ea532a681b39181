#include "options/CPPage2.h"

#include "widgets/CLinkLabel.h"

#include <QGridLayout>
#include <QLabel>

namespace {

struct WebLink {
    const char* caption;
    const char* address;
};

constexpr WebLink kWebLinks[] = {
    {"Top 50 Wav Sites: ", "https://freesound.org/"},
    {"Wave sounds - free downloads:", "https://bigsoundbank.com/"},
    {"The guide to wav files:", "https://en.wikipedia.org/wiki/WAV"},
    {"The Daily .WAV:", "https://pixabay.com/sound-effects/"},
};

} // namespace

CPPage2::CPPage2(OptionsContext& context, QWidget* parent) : COptionsPage(context, parent) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const WebLink& site : kWebLinks) {
        grid->addWidget(new QLabel(QString::fromLatin1(site.caption), this), row++, 0);
        // The static's text is the address it opens.
        auto* link =
            new CLinkLabel(m_context.links, m_context.ui, QString::fromLatin1(site.address), this);
        link->setAccessibleName(link->address());
        // The label sits in a layout: the layout places it, the label keeps its text's size.
        link->setAdjustToFit(false);
        link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        grid->addWidget(link, row++, 0, Qt::AlignLeft);
        m_links << link;
    }
    grid->addWidget(pictureLabel(QStringLiteral("tembrel.svg"), this), 0, 1, 4, 1);
    grid->addWidget(pictureLabel(QStringLiteral("volumeu.svg"), this), 4, 1, 4, 1);
    grid->setRowStretch(row, 1);
}

// A visited link keeps the link colour; the hover colour is the desktop's highlight.
void CPPage2::OnInitDialog() {
    for (CLinkLabel* link : m_links) {
        link->SetLinkColours(link->currentColour(), link->currentColour());
        link->SetLinkCursor(programHandCursor());
    }
}
