#include "app/getrecitation.h"

#include "library/recitation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString EntryText(const CatalogueEntry& entry) {
    QString text = entry.displayName;
    if (!entry.bitrate.isEmpty()) text += "  ·  " + entry.bitrate;
    if (entry.kind == RecitationManifest::kTranslation) text += "  ·  " + GetRecitationDialog::tr("translation");
    return text;
}

}  // namespace

GetRecitationDialog::GetRecitationDialog(const QString& base, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Get Recitation"));
    setObjectName("getRecitationDialog");
    auto* layout = new QVBoxLayout(this);

    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(new QLabel(tr("Server:"), this));
    baseEdit = new QLineEdit(base.isEmpty() ? RecitationCatalogue::kDefaultBase : base, this);
    baseEdit->setObjectName("baseEdit");
    baseEdit->setToolTip(tr("The address of the server's data folder, or of a mirror of it"));
    serverRow->addWidget(baseEdit, 1);
    refreshButton = new QPushButton(tr("Refresh list"), this);
    refreshButton->setObjectName("refreshButton");
    serverRow->addWidget(refreshButton);
    layout->addLayout(serverRow);

    catalogueList = new QListWidget(this);
    catalogueList->setObjectName("catalogueList");
    catalogueList->setAccessibleName(tr("Recitations on the server"));
    layout->addWidget(catalogueList, 1);

    auto* form = new QFormLayout;
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName("nameEdit");
    form->addRow(tr("Name:"), nameEdit);
    surasEdit = new QLineEdit(this);
    surasEdit->setObjectName("surasEdit");
    surasEdit->setPlaceholderText(tr("all 114, or for example 1-2,78-114"));
    form->addRow(tr("Suras:"), surasEdit);
    layout->addLayout(form);

    sizeLabel = new QLabel(this);
    sizeLabel->setObjectName("sizeLabel");
    sizeLabel->setWordWrap(true);
    layout->addWidget(sizeLabel);
    problemLabel = new QLabel(this);
    problemLabel->setObjectName("problemLabel");
    problemLabel->setWordWrap(true);
    problemLabel->setStyleSheet("color: #cc0000");
    layout->addWidget(problemLabel);
    auto* notice = new QLabel(tr("The recordings belong to their reciters and publishers and are for personal use. "
                                 "A download that stops can be started again: it goes on where it stopped."), this);
    notice->setWordWrap(true);
    layout->addWidget(notice);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole)->setObjectName("downloadButton");
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &GetRecitationDialog::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refreshButton, &QPushButton::clicked, this, &GetRecitationDialog::Refresh);
    connect(catalogueList, &QListWidget::currentRowChanged, this, &GetRecitationDialog::EntryChosen);
    connect(surasEdit, &QLineEdit::textChanged, this, &GetRecitationDialog::ShowSize);
    resize(560, 480);
    ShowCatalogue(RecitationCatalogue::Shipped(), tr("the list that comes with Norvane"));
}

GetRecitationDialog::~GetRecitationDialog() = default;

QString GetRecitationDialog::Base() const { return baseEdit->text().trimmed(); }

void GetRecitationDialog::ShowCatalogue(const CatalogueRead& catalogue, const QString& from) {
    entries = catalogue.entries;
    catalogueList->clear();
    for (const CatalogueEntry& entry : entries) catalogueList->addItem(EntryText(entry));
    problemLabel->setText(catalogue.problem ? tr("Cannot read %1: %2").arg(from, catalogue.problem.Text()) : QString());
    if (!entries.empty()) catalogueList->setCurrentRow(0);
}

void GetRecitationDialog::Refresh() {
    refreshButton->setEnabled(false);
    problemLabel->setText(tr("Reading the server's list …"));
    serverFetch = std::make_unique<ServerCatalogueFetch>();
    connect(serverFetch.get(), &ServerCatalogueFetch::Done, this, [this] {
        refreshButton->setEnabled(true);
        ShowCatalogue(serverFetch->Result(), tr("the server's list"));
    });
    serverFetch->Start(Base());
}

void GetRecitationDialog::EntryChosen() {
    const int row = catalogueList->currentRow();
    if (row < 0 || row >= int(entries.size())) return;
    nameEdit->setText(RecitationCatalogue::DefaultName(entries[size_t(row)].folder));
    ShowSize();
}

DownloadOrder GetRecitationDialog::Order(Problem* surasProblem) const {
    DownloadOrder order;
    const int row = catalogueList->currentRow();
    if (row >= 0 && row < int(entries.size())) order.source = entries[size_t(row)];
    order.base = Base();
    order.name = nameEdit->text().trimmed();
    // Empty: all 114.
    const Problem bad = surasEdit->text().trimmed().isEmpty() ? Problem() : ParseSuraList(surasEdit->text(), &order.suras);
    if (surasProblem) *surasProblem = bad;
    return order;
}

void GetRecitationDialog::ShowSize() {
    Problem badSuras;
    const DownloadOrder order = Order(&badSuras);
    sizeLabel->setText(badSuras ? badSuras.Text()
                                : tr("%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB "
                                     "at 128 kbit/s.")
                                      .arg(order.AyaCount())
                                      .arg(RecitationCatalogue::SizeText(order.EstimatedBytes())));
}

void GetRecitationDialog::TryAccept() {
    Problem problem;
    const DownloadOrder order = Order(&problem);
    if (catalogueList->currentRow() < 0) problem = Problem(tr("Choose a recitation first."));
    if (!problem) problem = order.Check();
    problemLabel->setText(problem.Text());
    if (!problem) accept();
}
