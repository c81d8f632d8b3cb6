#include "tolm/utils/signalslot/CSignalBase.h"

#include <algorithm>

#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/signalslot/SignalSlot.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

CSignalBase::~CSignalBase() {
    if (myAlive) *myAlive = false;
    while (!mySlots.empty()) {
        CSlot* slot = mySlots.front();
        mySlots.erase(mySlots.begin());
        if (!slot) continue;
        slot->myOwner = nullptr;
        delete slot;
    }
}

CSignalBase& CSignalBase::Connect(std::unique_ptr<CSlot> slot) {
    if (!slot) return *this;
    if (slot->myOwner == this) {
        // Already in the list: the signal owns it already, so this pointer must not.
        slot.release();
        return *this;
    }
    if (!Accepts(*slot)) {
        Logger().Warning() << "[WARNING] Signal: a slot whose arguments do not fit was dropped"
                           << std::endl;
        return *this;
    }
    if (slot->myOwner) slot->myOwner->Detach(slot.get());
    slot->myOwner = this;
    mySlots.push_back(slot.release());
    return *this;
}

void CSignalBase::Serialize(CXmlFileSys* filesys) {
    if (filesys->IsWriting()) {
        for (CSlot* slot : GetSlots()) {
            if (!slot->IsNamed()) continue;
            const std::pair<std::string, std::string> info = GetSlotInfo(slot);
            if (info.first.empty() || info.second.empty()) continue;
            filesys->BeginNode("Slot");
            filesys->AddAttribute("target", info.first);
            filesys->AddAttribute("function", info.second);
            filesys->EndNode("Slot");
        }
        return;
    }
    const CXmlNode* current = filesys->GetCurrentNode();
    for (int i = 0; i < current->GetChildCount(); ++i) {
        const CXmlNode* child = current->GetChild(i);
        if (!child || child->GetName() != "Slot") continue;
        if (!child->HasAttribute("target") || !child->HasAttribute("function")) continue;
        Connect(CreateSlot(child->GetAttribute("target").GetString(),
                           child->GetAttribute("function").GetString()));
    }
}

std::vector<CSlot*> CSignalBase::GetSlots() const {
    std::vector<CSlot*> slots;
    for (CSlot* slot : mySlots) {
        if (slot) slots.push_back(slot);
    }
    return slots;
}

std::shared_ptr<bool> CSignalBase::BeginEmission() {
    if (!myAlive) myAlive = std::make_shared<bool>(true);
    ++myEmitting;
    return myAlive;
}

void CSignalBase::EndEmission() {
    if (--myEmitting > 0) return;
    mySlots.erase(std::remove(mySlots.begin(), mySlots.end(), nullptr), mySlots.end());
}

void CSignalBase::Detach(CSlot* slot) {
    const auto found = std::find(mySlots.begin(), mySlots.end(), slot);
    if (found == mySlots.end()) return;
    // Erasing would shift the indices an emission in progress is walking.
    if (myEmitting > 0) {
        *found = nullptr;
    } else {
        mySlots.erase(found);
    }
    slot->myOwner = nullptr;
}

}  // namespace tolm
