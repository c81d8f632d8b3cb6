#include "tolm/gfx/CFrameSound.h"

#include "tolm/gfx/CFrameFactory.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/utils/xml/CXmlFileSys.h"

namespace tolm {

bool CFrameSound::Update(CSprite*, types::ticks) {
    if (!mySoundFile.empty()) {
        CParameterList parameters;
        parameters.AddString(mySoundFile);
        Console().ExecuteCommandInNamespace(kAudioTask, kPlayCommand, parameters);
    }
    return true;
}

types::ticks CFrameSound::GetLength() const {
    return myWrapped ? myWrapped->GetLength() : 0;
}

types::ticks CFrameSound::GetUpdateInterval() const {
    return myWrapped ? myWrapped->GetUpdateInterval() : GetLength();
}

void CFrameSound::Serialize(CXmlFileSys* filesys) {
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->AddAttribute("type", CFrameFactory::GetTypeName(GetType()));
        filesys->AddAttribute("sound_file", mySoundFile);
        return;
    }
    const CXmlNode* element = filesys->GetCurrentNode();
    if (element->HasAttribute("sound_file")) {
        SetSoundFile(element->GetAttribute("sound_file").GetString());
    }
}

}  // namespace tolm
