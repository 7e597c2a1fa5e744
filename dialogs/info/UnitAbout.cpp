#include "UnitAbout.h"

#include <QDesktopServices>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "LxErrorBox.h"
#include "UpdateCheck.h"
#include "gemeinsam/Version.h"

namespace {

QLabel* Label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TAboutBox::TAboutBox(lx::ProgrammZustand& zustand, lx::Anzeige& anzeige)
    : TLxDialog(zustand, anzeige, "AboutBox", "Info über", 6000, 360, 260),
      check_(new lx::UpdateCheck(QString::fromUtf8(lx::kVersion), this))
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();

    QLabel* name = Label("ProductName", QString::fromUtf8(lx::kAppTitle), this);
    QFont gross = name->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.4);
    name->setFont(gross);
    layout->addWidget(name);
    layout->addWidget(Label("Version", QStringLiteral("Version ") + QString::fromUtf8(lx::kVersion), this));

    // The link opens the fixed address, never what the label says.
    const QUrl site(QString::fromUtf8(lx::kProductSite));
    auto* link = new QLabel(this);
    link->setObjectName(QStringLiteral("LblWebsite"));
    link->setTextFormat(Qt::RichText);
    link->setText(QStringLiteral("<a href=\"site\">%1</a>").arg(site.host().toHtmlEscaped()));
    link->setAlignment(Qt::AlignHCenter);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [site] { QDesktopServices::openUrl(site); });
    layout->addWidget(link);
    layout->addStretch();

    auto* knoepfe = new QHBoxLayout;
    QPushButton* ok = Button("OKButton", "OK", this);
    btnUpdate_ = Button("BtnUpdate", "Auf Updates prüfen", this);
    QPushButton* hilfe = Button("BtnHilfe", "Hilfe", this);
    ok->setDefault(true);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(btnUpdate_);
    knoepfe->addWidget(hilfe);
    layout->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, [this] { lx::runGuarded(this, [this] { accept(); }); });
    connect(btnUpdate_, &QPushButton::clicked, this, [this] { lx::runGuarded(this, [this] { BtnUpdateClick(); }); });
    connect(hilfe, &QPushButton::clicked, this,
            [this] { lx::runGuarded(this, [this] { this->p.dialoge.Hilfe(6000); }); });
    connect(check_, &lx::UpdateCheck::finished, this, [this](const QString& message) {
        btnUpdate_->setEnabled(true);
        lx::runGuarded(this, [this, message] { this->p.dialoge.Information(message.toStdString()); });
    });
}

void TAboutBox::BtnUpdateClick()
{
    if (check_->isRunning()) return;
    btnUpdate_->setEnabled(false);
    check_->start();
}
