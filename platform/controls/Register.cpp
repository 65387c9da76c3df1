#include "platform/controls/Register.h"

#include "platform/controls/BitBtn.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Form.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/SpeedButton.h"

void RegisterControlClasses() {
    RegisterCoreClasses();
    RegisterGraphicsIdents();
    for (const TClassType* type : {
             &TControl::StaticClass(),
             &TWinControl::StaticClass(),
             &TForm::StaticClass(),
             &TPanel::StaticClass(),
             &TGroupBox::StaticClass(),
             &TLabel::StaticClass(),
             &TCheckBox::StaticClass(),
             &TRadioButton::StaticClass(),
             &TButton::StaticClass(),
             &TBitBtn::StaticClass(),
             &TSpeedButton::StaticClass(),
             &TComboBox::StaticClass(),
             &TRichEdit::StaticClass(),
             &TOpenDialog::StaticClass(),
             &TSaveDialog::StaticClass(),
         }) {
        RegisterComponentClass(*type);
    }
}
