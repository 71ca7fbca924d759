#pragma once
// File > Get Recitation…: which recitation to fetch from a per-aya server,
// under what name, which suras, and about how large the download is, with
// the notice that the recordings belong to their reciters and publishers.
// The download itself is the window's job (RecitationDownload).

#include "library/recitationcatalogue.h"
#include "library/recitationdownload.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class GetRecitationDialog : public QDialog {
    Q_OBJECT
public:
    // `base`: the server's data folder the user last chose.
    GetRecitationDialog(const QString& base, QWidget* parent = nullptr);
    ~GetRecitationDialog() override;

    // What the user asked for; valid once the dialog was accepted. A suras
    // field that cannot be read gives all suras and its problem.
    DownloadOrder Order(Problem* surasProblem = nullptr) const;
    QString Base() const;

    // The recitations offered: the shipped catalogue, or a server's own.
    void ShowCatalogue(const CatalogueRead& catalogue, const QString& from);

private:
    QLineEdit* baseEdit = nullptr;
    QListWidget* catalogueList = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* surasEdit = nullptr;
    QLabel* sizeLabel = nullptr;
    QLabel* problemLabel = nullptr;
    QPushButton* refreshButton = nullptr;
    std::vector<CatalogueEntry> entries;
    std::unique_ptr<ServerCatalogueFetch> serverFetch;

    void Refresh();
    void EntryChosen();
    void ShowSize();
    void TryAccept();
};
