#include "tolm/tasks/task_input/CKeyNames.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tolm/tasks/task_sdl/SDLKeyNames.h"

namespace tolm {

namespace {
const char* const kUnknownKey = "unknown key";
}  // namespace

const CKeyNames::Table* CKeyNames::GetTable() {
    static std::unique_ptr<Table> table;
    if (table) return table.get();

    std::optional<std::vector<std::string>> names = ReadSDLKeyNames();
    if (!names) return nullptr;
    auto read = std::make_unique<Table>();
    read->names = std::move(*names);
    for (std::size_t key = 0; key < read->names.size(); ++key) {
        const std::string& name = read->names[key];
        if (name != kUnknownKey) read->keys.emplace(name, static_cast<int>(key));
    }
    table = std::move(read);
    return table.get();
}

std::string CKeyNames::GetName(int key) {
    const Table* table = GetTable();
    if (table == nullptr || key < 0 || key >= static_cast<int>(table->names.size())) {
        return kUnknownKey;
    }
    return table->names[static_cast<std::size_t>(key)];
}

int CKeyNames::FindKey(const std::string& name) {
    const Table* table = GetTable();
    if (table == nullptr) return -1;
    const auto found = table->keys.find(name);
    return found == table->keys.end() ? -1 : found->second;
}

}  // namespace tolm
