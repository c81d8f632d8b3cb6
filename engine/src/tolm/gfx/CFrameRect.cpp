#include "tolm/gfx/CFrameRect.h"

#include "tolm/gfx/CFrameFactory.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/FrameReading.h"
#include "tolm/utils/xml/CXmlFileSys.h"

namespace tolm {

bool CFrameRect::Update(CSprite* sprite, types::ticks delta) {
    // A sprite without a picture has nothing to show; the frame still keeps its time.
    if (sprite != nullptr) sprite->SetImageRect(myRect);
    if (myWrapped) return myWrapped->Update(sprite, delta);
    return delta >= myFrameLength;
}

types::ticks CFrameRect::GetLength() const {
    return myWrapped ? myWrapped->GetLength() : myFrameLength;
}

types::ticks CFrameRect::GetUpdateInterval() const {
    return myWrapped ? myWrapped->GetUpdateInterval() : GetLength();
}

void CFrameRect::Serialize(CXmlFileSys* filesys) {
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->AddAttribute("type", CFrameFactory::GetTypeName(GetType()));
        filesys->SetLine(__LINE__);
        filesys->WriteRect("Rect", myRect);
        filesys->SetLine(__LINE__);
        filesys->Write("FrameLength", myFrameLength);
        if (myWrapped) {
            filesys->BeginNode("Wrapped");
            myWrapped->Serialize(filesys);
            filesys->EndNode("Wrapped");
        }
        return;
    }
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("Rect")) filesys->ReadRect("Rect", myRect);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("FrameLength")) filesys->Read("FrameLength", myFrameLength);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("Wrapped")) {
        myWrapped = frame_reading::ReadFrame(filesys->FindChild("Wrapped"));
    }
}

}  // namespace tolm
