#include "app/accessible_label.h"

#include <gtk/gtk.h>
#include <wx/stattext.h>

namespace kep {

// The label's mnemonic widget gives the accessibility tree its "labelled by"
// relation; the name is set as well, since not every control reads it from there.
void LabelControl(wxStaticText& label, wxWindow& control) {
  GtkWidget* target = control.GetConnectWidget();
  if (GTK_IS_LABEL(label.GetHandle()) && target != nullptr) {
    gtk_label_set_mnemonic_widget(GTK_LABEL(label.GetHandle()), target);
    atk_object_set_name(gtk_widget_get_accessible(target), label.GetLabelText().utf8_str());
  }
}

void NameControl(wxWindow& control, const wxString& name, const wxString& description) {
  GtkWidget* target = control.GetConnectWidget();
  if (target == nullptr) return;
  AtkObject* accessible = gtk_widget_get_accessible(target);
  atk_object_set_name(accessible, name.utf8_str());
  atk_object_set_description(accessible, description.utf8_str());
}

}  // namespace kep
