#include "app/AboutBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "cli/CommandLine.h"
#include "interaction/Interaction.h"

namespace app {

void showAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("frmAbout"));
    box.setWindowTitle(QStringLiteral("About Quillon Pro"));
    auto* text = new QLabel(&box);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h3>Quillon Pro</h3>"
                                 "<p>Version %1</p>"
                                 "<p>A HyperText document editor: write HTML by hand, with tags, dialogs "
                                 "and text tools to help.</p>"
                                 "<p>Free software under the GNU General Public License, version 3.</p>")
                      .arg(QLatin1String(cli::programVersion())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* column = new QVBoxLayout(&box);
    column->addWidget(text);
    column->addWidget(buttons);
    interaction::ui().runModal(box);
}

}  // namespace app
