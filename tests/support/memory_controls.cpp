#include "memory_controls.h"

namespace kp {

std::vector<std::string> Utf8Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (const char c : text) {
        if (characters.empty() || (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            characters.emplace_back();
        }
        characters.back() += c;
    }
    return characters;
}

std::string MemoryControls::FieldText(Field field) const {
    const auto it = fields_.find(field);
    return it == fields_.end() ? std::string() : it->second;
}

void MemoryControls::SetFieldText(Field field, const std::string& text) {
    fields_[field] = text;
}

std::string MemoryControls::ListEntry(int index) const {
    return list_.at(static_cast<std::size_t>(index));
}

bool MemoryControls::IsChecked(CheckBox box) const {
    const auto it = checks_.find(box);
    return it != checks_.end() && it->second;
}

MessageAnswer MemoryControls::ShowMessage(const std::string& text, MessageButtons buttons) {
    messages_.push_back(text);
    if (onMessage_) {
        return onMessage_(text, buttons);
    }
    return MessageAnswer::Ok;
}

void MemoryControls::TypeGrid(const std::string& text) {
    std::string typed;
    std::size_t count = 0;
    for (const std::string& character : Utf8Characters(text)) {
        if (gridLimit_ >= 0 && count >= static_cast<std::size_t>(gridLimit_)) {
            break;
        }
        typed += character;
        ++count;
    }
    fields_[Field::Grid] = typed;
}

}  // namespace kp
