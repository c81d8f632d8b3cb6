#include "tolm/tasks/CConsoleHolder.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CBasicCommand.h"
#include "tolm/tasks/CCommandNamespaces.h"

namespace tolm {

CConsoleHolder::CConsoleHolder() : myCreator(std::make_unique<CConsoleCreator>()) {}

CConsoleHolder::~CConsoleHolder() {
    myCreator.reset();
    myConsole.reset();
}

CConsole* CConsoleHolder::GetConsole() {
    if (!myConsole) {
        myConsole = CreateConsole();
        CBasicCommand::RegisterAll();
        CommandNamespaces().Attach(CBasicCommand::kNamespace, myConsole.get());
    }
    return myConsole.get();
}

std::unique_ptr<CConsole> CConsoleHolder::CreateConsole() const {
    return myCreator->Create();
}

CConsole& Console() {
    return *CSingletonPtr<CConsoleHolder>::Get()->GetConsole();
}

std::unique_ptr<CConsole> CreateConsole() {
    return CSingletonPtr<CConsoleHolder>::Get()->CreateConsole();
}

}  // namespace tolm
