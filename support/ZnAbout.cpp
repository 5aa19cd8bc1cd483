#include "ZnAbout.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "ZnUtils.h"

TZnAboutBox::TZnAboutBox(TZnOpener& opener, QWidget* parent)
    : QDialog(parent), OKButton(new QPushButton(QStringLiteral("OK"), this)),
      ProgramIcon(new QLabel(this)), Memo1(new QPlainTextEdit(this)), Email(new QLabel(this)),
      Url(new QLabel(this)), ProductName(new QLabel(this)), Copyright(new QLabel(this)),
      Opener(opener) {
    setFont(SystemIconFont());
    setWindowTitle(CaptionFormat());
    const double scale = logicalDpiX() / 96.0;
    auto scaled = [scale](int designPixels) {
        return static_cast<int>(designPixels * scale + 0.5);
    };
    setMinimumSize(scaled(480), scaled(280));
    // A box of fixed size: a title bar with its close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    ProgramIcon->setFixedSize(scaled(32), scaled(32));
    ProgramIcon->setScaledContents(true);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    OKButton->setDefault(true);
    OKButton->setFixedSize(scaled(81), scaled(25));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // The texts come from the caller; none of them is markup.
    for (QLabel* label : {ProductName, Copyright, Url, Email})
        label->setTextFormat(Qt::PlainText);
    Url->setText(ZnMakerUrl);
    Url->setToolTip(tr("ホームページ"));
    Email->setText(ZnMakerEmail);
    Email->setToolTip(tr("メール"));
    for (QLabel* link : {Url, Email}) {
        link->setCursor(Qt::PointingHandCursor);
        QPalette colours = link->palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
        link->setPalette(colours);
        link->installEventFilter(this);
    }
    Memo1->appendPlainText(ZnMakerUrl);
    Memo1->appendPlainText(ZnMakerEmail);
    Memo1->appendPlainText(QString());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(scaled(8), scaled(8), scaled(8), scaled(8));
    // The icon stands just left of the texts.
    grid->setHorizontalSpacing(scaled(12));
    grid->setColumnStretch(1, 1);
    grid->addWidget(ProgramIcon, 0, 0, 4, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Copyright, 1, 1);
    grid->addWidget(Url, 2, 1);
    grid->addWidget(Email, 3, 1);
    grid->addWidget(Memo1, 4, 0, 1, 2);
    grid->addWidget(OKButton, 5, 0, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(4, 1);

    setTabOrder(OKButton, Memo1);
    OKButton->setFocus();
}

void TZnAboutBox::showEvent(QShowEvent* event) {
    // Fixed at the size its texts, set after construction, need, never below the design size.
    setFixedSize(sizeHint().expandedTo(minimumSize()));
    QDialog::showEvent(event);
}

void TZnAboutBox::UrlClick() {
    Opener.OpenUrl(QUrl(Url->text()));
}

void TZnAboutBox::EmailClick() {
    Opener.OpenUrl(QUrl(QStringLiteral("mailto:") + Email->text()));
}

bool TZnAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Url) {
            UrlClick();
            return true;
        }
        if (watched == Email) {
            EmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
