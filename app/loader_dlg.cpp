#include "app/loader_dlg.h"

#include "knowledge/loaders.h"
#include "platform/data_exchange.h"
#include "platform/text_codec.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QProgressBar>
#include <QPushButton>

namespace ordisan {

namespace {

constexpr const char* STATUS_DICTIONARY = "Ucitavam rijeci iz rijecnika...";
constexpr const char* STATUS_DONE = "Gotovo...";

} // namespace

CLoaderDlg::CLoaderDlg(FileAccess& files, QWidget* parent)
    : CDialog(&LOADER_TEMPLATE, parent), reader(files)
{
}

int CLoaderDlg::RunModal(KnowledgeBase* kb)
{
    countdown = 0;
    knowledgeBase = kb;
    return DoModal();
}

bool CLoaderDlg::DestroyWindow()
{
    if (countdown != 0)
        KillTimer(TIMER_COUNTDOWN);
    return CDialog::DestroyWindow();
}

void CLoaderDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Control(exchange, IDC_LOADER_OK, okButton);
    DDX_Control(exchange, IDC_PROGRESS, progressBar);
    DDX_Text(exchange, IDC_SYNDROME_COUNT, syndromeCountText);
    DDX_Text(exchange, IDC_SYMPTOM_COUNT, symptomCountText);
    DDX_Text(exchange, IDC_LINK_COUNT, linkCountText);
    DDX_Text(exchange, IDC_STATUS, statusText);
    DDX_Text(exchange, IDC_WORD_COUNT, wordCountText);
    DDX_Text(exchange, IDC_COUNTDOWN, countdownText);
}

bool CLoaderDlg::OnInitDialog()
{
    // Puts the six empty strings into their fields: the template's texts for them
    // are never seen.
    CDialog::OnInitDialog();
    if (SetTimer(TIMER_START, START_DELAY_MS) == 0)
        runLoad(); // before the dialog is shown
    return true;
}

bool CLoaderDlg::OnCommand(int id)
{
    if (id == IDOK || id == IDC_LOADER_OK) {
        OnOkButton();
        return true;
    }
    return CDialog::OnCommand(id);
}

void CLoaderDlg::OnOkButton()
{
    OnCancel();
}

void CLoaderDlg::OnTimer(int id)
{
    if (id == TIMER_START) {
        KillTimer(TIMER_START); // fires once
        runLoad();
        return;
    }
    --countdown;
    if (countdown == 0) {
        KillTimer(id);
        OnCancel();
        return;
    }
    countdownText = QString::number(countdown);
    UpdateData(false);
}

// Both loads run here, inside one call, without pumping events: nothing else runs
// until they are done, except the message boxes they show.
void CLoaderDlg::runLoad()
{
    if (!knowledgeBase || !progressBar || !okButton)
        return;
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    repaintNow({IDC_PROGRESS});

    if (!loadSyndromeFile(*knowledgeBase, reader, *this)) {
        // The last report can be short of what the knowledge base holds when the
        // load stopped: show what it really holds.
        showSyndromeCounts(knowledgeBase->syndromeCount, knowledgeBase->symptomCount,
                           knowledgeBase->linkCount);
        return;
    }

    progressBar->setValue(0);
    statusText = QString::fromUtf8(STATUS_DICTIONARY);
    UpdateData(false);
    repaintNow({IDC_PROGRESS, IDC_STATUS});

    if (!loadDictionaryFile(*knowledgeBase, reader, *this)) {
        showWordCount(knowledgeBase->wordCount);
        return;
    }

    okButton->setEnabled(true);
    statusText = QString::fromUtf8(STATUS_DONE);
    UpdateData(false);
    repaintNow({IDC_LOADER_OK, IDC_STATUS});

    if (SetTimer(TIMER_COUNTDOWN, COUNTDOWN_PERIOD_MS) != 0)
        countdown = COUNTDOWN_SECONDS;
}

void CLoaderDlg::repaintNow(std::initializer_list<int> ids)
{
    for (int id : ids)
        if (QWidget* control = GetDlgItem(id))
            control->repaint();
}

void CLoaderDlg::showMessage(const char* text, const char* caption, int icon)
{
    MessageBox(fromCp1250(text), fromCp1250(caption),
               icon == ICON_STOP ? MessageIcon::Stop : MessageIcon::None);
}

void CLoaderDlg::showProgress(int percent)
{
    if (!progressBar)
        return;
    progressBar->setValue(percent);
    repaintNow({IDC_PROGRESS});
}

void CLoaderDlg::showSyndromeCounts(int syndromes, int symptoms, int links)
{
    syndromeCountText = QString::number(syndromes);
    symptomCountText = QString::number(symptoms);
    linkCountText = QString::number(links);
    UpdateData(false);
    repaintNow({IDC_SYNDROME_COUNT, IDC_SYMPTOM_COUNT, IDC_LINK_COUNT});
}

void CLoaderDlg::showWordCount(int words)
{
    wordCountText = QString::number(words);
    UpdateData(false);
    repaintNow({IDC_WORD_COUNT});
}

} // namespace ordisan
