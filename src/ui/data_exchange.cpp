// The exchange between the state record and the controls, in the order the
// window binds them; a pull stops at the first value its checks refuse. The
// radio group only shows the base decision: the base buttons make it.
#include <string>

#include "career/text_convert.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

const std::string kTooManyCharacters = "Please enter no more than 5 characters.";
const std::string kNotAnInteger = "Please enter an integer.";

// Characters, not bytes: a UTF-8 sequence counts once, as the field counts it.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

bool CKelmarPatrol2Dlg::UpdateData(bool saveAndValidate) {
    DialogControls& c = *controls_;
    if (!saveAndValidate) {
        c.SetFieldText(Field::Grid, m_strGrid);
        c.SetGridTypingLimit(kGridFieldLimit);
        for (int i = 0; i < c.ListCount(); ++i) {
            if (c.ListEntry(i) == m_strCareer) {
                c.SetListSelection(i);
                break;
            }
        }
        c.SetFieldText(Field::EndDate, m_strEndDate);
        c.SetFieldText(Field::EndLocation, m_strEndLocation);
        c.SetFieldText(Field::DaysInPort, FormatInt(m_nDaysInPort));
        c.SetFieldText(Field::BoatType, m_strBoatType);
        c.SetRadioIndex(CodeOf(m_nTankerChoice));
        c.SetFieldText(Field::SeaStatus, m_strSeaStatus);
        c.SetChecked(CheckBox::AutoRadarUpdate, m_bAutoRadarUpdate == 1);
        c.SetChecked(CheckBox::EnteredMed, m_bEnteredMed == 1);
        return true;
    }

    m_strGrid = c.FieldText(Field::Grid);
    if (CharacterCount(m_strGrid) > static_cast<std::size_t>(kGridFieldLimit)) {
        Message(kTooManyCharacters);
        c.FocusAndSelectAll(Field::Grid);
        return false;
    }
    const int selected = c.ListSelection();
    m_strCareer = selected < 0 ? std::string() : c.ListEntry(selected);
    m_strEndDate = c.FieldText(Field::EndDate);
    m_strEndLocation = c.FieldText(Field::EndLocation);
    const std::string days = c.FieldText(Field::DaysInPort);
    if (!BeginsWithInt(days)) {
        Message(kNotAnInteger);
        c.FocusAndSelectAll(Field::DaysInPort);
        return false;
    }
    m_nDaysInPort = ParseInt(days);
    m_strBoatType = c.FieldText(Field::BoatType);
    m_strSeaStatus = c.FieldText(Field::SeaStatus);
    m_bAutoRadarUpdate = c.IsChecked(CheckBox::AutoRadarUpdate) ? 1 : 0;
    m_bEnteredMed = c.IsChecked(CheckBox::EnteredMed) ? 1 : 0;
    return true;
}

}  // namespace kp
