#include "gui_support.h"

#include "platform/resources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>

#include <algorithm>
#include <csignal>

namespace ordisan::test {

std::unique_ptr<KnowledgeBase> clinic(SexCode sex)
{
    KnowledgeBaseBuilder b;
    const int gripa = b.syndrome("Gripa");
    b.link(gripa, b.symptom(cp1250("vrućica").c_str()));
    b.link(gripa, b.symptom(cp1250("kašalj").c_str()));
    const int glavobolja = b.symptom("glavobolja", SEX_BOTH, LOC_HEAD);
    b.link(gripa, glavobolja);
    const int migrena = b.syndrome("Migrena");
    const int mucnina = b.symptom(cp1250("mučnina").c_str(), SEX_BOTH, LOC_TRUNK);
    b.link(migrena, glavobolja);
    b.link(migrena, mucnina);
    b.link(migrena, mucnina);
    const int trudnoca = b.syndrome(cp1250("Trudnoća").c_str());
    b.link(trudnoca, b.symptom("izostanak menstruacije", SEX_FEMALE, LOC_TRUNK));
    b.link(trudnoca, mucnina);
    b.link(b.syndrome("Prostatitis"),
           b.symptom(cp1250("otežano mokrenje").c_str(), SEX_MALE, LOC_TRUNK));
    b.link(b.syndrome(cp1250("Ženski sindrom").c_str()),
           b.symptom("bol u zdjelici", SEX_FEMALE, LOC_TRUNK));
    b.symptom(cp1250("đurđica na koži").c_str());
    for (const auto& [term, explanation] :
         {std::pair{"Apscirati", "stvarati gnoj"}, {"Bedro", "dio noge između kuka i koljena"},
          {"Cista", "šupljina ispunjena tekućinom"}, {"Čir", "rana na sluznici"},
          {"Ginko", "biljka, lijek poput đumbira"}, {"Rana", "oštećenje kože ili sluznice"}})
        b.word(cp1250(term).c_str(), cp1250(explanation).c_str());
    b.patient(sex);
    return b.take();
}

int whileDiagnosing(KnowledgeBase* kb, const DiagnosisLook& look)
{
    CDiagnosisDlg dialog;
    return whileShown(dialog, kb, [&] {
        look(dialog, dialog.GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE),
             dialog.GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE));
    });
}

int shownIcon(const QTreeWidgetItem* item, const QList<int>& among)
{
    const QImage shown = item->icon(0).pixmap(QSize(16, 16)).toImage();
    for (int number : among)
        if (!shown.isNull()
            && loadIconPixmap(number, 16).toImage().convertToFormat(shown.format()) == shown)
            return number;
    return 0;
}

QStringList treeLines(const QTreeWidget* tree, const QList<int>& icons, bool itemData, bool topOnly)
{
    QStringList lines;
    const auto add = [&](const QTreeWidgetItem* item, const char* indent) {
        lines.append(indent + item->text(0)
                     + (icons.isEmpty() ? QString()
                                        : QStringLiteral(" =%1").arg(shownIcon(item, icons)))
                     + (itemData ? QStringLiteral(" #%1").arg(item->data(0, Qt::UserRole).toInt())
                                 : QString()));
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        add(tree->topLevelItem(i), "");
        for (int c = 0; !topOnly && c < tree->topLevelItem(i)->childCount(); ++c)
            add(tree->topLevelItem(i)->child(c), "  ");
    }
    return lines;
}

void doubleClickAt(QTreeWidget* tree, const QPoint& position)
{
    QWidget* viewport = tree->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    doubleClickAt(tree, tree->visualItemRect(item).center());
}

ModalWatcher::ModalWatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::look);
    timer_.start();
}

void ModalWatcher::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (onMessage)
            onMessage(box);
        messages.append({box->text(), box->windowTitle(), box->icon(),
                         static_cast<int>(box->buttons().size()), box->parentWidget()});
        for (QAbstractButton* button : box->buttons())
            if (!press.isEmpty() && button->text() == press)
                return button->click();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    if (seen_.contains(modal))
        return;
    seen_.append(modal);
    if (onDialog)
        onDialog(modal);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = std::min(bytes, old_.rlim_max);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &old_);
}

} // namespace ordisan::test
