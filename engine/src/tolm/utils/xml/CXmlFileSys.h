// The member serialiser: classes store and restore their members by name, in a fixed
// order, as child elements of a CXmlNode. It only borrows the tree, which must outlive it;
// one serialiser serves one Serialize call.
//
// Convention for every serialisable class of the engine:
//     void Serialize(CXmlFileSys* filesys);
// The pointer is never null. Inside, branch on IsWriting()/IsReading() and handle each
// member in a fixed order, calling SetFile/SetLine first so warnings name the source
// position. XmlLoad/XmlSave (XmlLoadSave.h) and the nested-object calls below use it.
#ifndef TOLM_UTILS_XML_CXMLFILESYS_H
#define TOLM_UTILS_XML_CXMLFILESYS_H

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "tolm/utils/xml/CAnyContainer.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

class CXmlFileSys {
public:
    static constexpr int kReading = 0;
    static constexpr int kWriting = 1;

    // `root` must not be null; its children are the members.
    CXmlFileSys(CXmlNode* root, int mode);

    bool IsReading() const { return myMode == kReading; }
    bool IsWriting() const { return myMode == kWriting; }
    void SetFile(const std::string& file) { myFile = file; }
    void SetLine(int line) { myLine = line; }
    void SetWarnings(bool warnings) { myWarnings = warnings; }
    CXmlNode* GetCurrentNode() const { return myCurrent; }
    // Index of the next expected child of the current node.
    int GetCursor() const { return myCursor; }

    bool HasChild(const std::string& name) const;
    // The member's element, searched for when it is not where the order says; null and an
    // error line when it is absent.
    CXmlNode* FindChild(const std::string& name);

    // Reads the element's content into `value`; an absent element, or content that does not
    // convert, leaves `value` unchanged.
    template <class T>
    void Read(const std::string& name, T& value) {
        if (const CXmlNode* child = FindChild(name))
            CAnyContainer::Parse(child->GetContent(), value);
    }
    template <class T>
    void Write(const std::string& name, const T& value) {
        AddMember(name)->SetContent(CAnyContainer::Format(value));
    }

    // Every child named `name`, in document order; the cursor is not used.
    template <class T>
    void ReadVector(const std::string& name, std::vector<T>& values) const {
        ReadAll(name, values);
    }
    template <class T>
    void ReadList(const std::string& name, std::list<T>& values) const {
        ReadAll(name, values);
    }
    template <class T>
    void WriteVector(const std::string& name, const std::vector<T>& values) {
        for (const T& value : values) Write(name, value);
    }
    template <class T>
    void WriteList(const std::string& name, const std::list<T>& values) {
        for (const T& value : values) Write(name, value);
    }

    void BeginNode(const std::string& name);
    // Never climbs above this serialiser's root, so the current node stays valid.
    void EndNode(const std::string& name);
    template <class T>
    void AddAttribute(const std::string& name, const T& value) {
        myCurrent->AddAttribute(name, CAnyContainer(CAnyContainer::Format(value)));
    }

    // Nested objects get a serialiser of their own, as new: cursor 0, warnings on, and no
    // file or line until their Serialize sets them.
    template <class T>
    void WriteObject(const std::string& name, T& object) {
        auto element = std::make_unique<CXmlNode>(name);
        CXmlFileSys nested(element.get(), kWriting);
        object.Serialize(&nested);
        myCurrent->AddChild(std::move(element));
    }
    template <class T>
    void ReadObject(const std::string& name, T& object) {
        if (CXmlNode* element = FindChild(name)) {
            CXmlFileSys nested(element, kReading);
            object.Serialize(&nested);
        }
    }

    // Rectangles (members x, y, w, h) and points (x, y) as attributes of the current
    // element; reading leaves a coordinate whose attribute is missing unchanged. Any type
    // with those int members works, so this header needs no geometry types.
    template <class Rect>
    void ReadRect(Rect& rect) const {
        ReadCoordinate("x", rect.x);
        ReadCoordinate("y", rect.y);
        ReadCoordinate("w", rect.w);
        ReadCoordinate("h", rect.h);
    }
    template <class Rect>
    void WriteRect(const Rect& rect) {
        AddAttribute("x", rect.x);
        AddAttribute("y", rect.y);
        AddAttribute("w", rect.w);
        AddAttribute("h", rect.h);
    }
    template <class Point>
    void ReadPoint(Point& point) const {
        ReadCoordinate("x", point.x);
        ReadCoordinate("y", point.y);
    }
    template <class Point>
    void WritePoint(const Point& point) {
        AddAttribute("x", point.x);
        AddAttribute("y", point.y);
    }

    // The same as a member element of its own: <name x=".." y=".." w=".." h=".." />.
    template <class Rect>
    void ReadRect(const std::string& name, Rect& rect) {
        if (CXmlNode* element = FindChild(name)) CXmlFileSys(element, kReading).ReadRect(rect);
    }
    template <class Rect>
    void WriteRect(const std::string& name, const Rect& rect) {
        BeginNode(name);
        WriteRect(rect);
        EndNode(name);
    }
    template <class Point>
    void ReadPoint(const std::string& name, Point& point) {
        if (CXmlNode* element = FindChild(name)) CXmlFileSys(element, kReading).ReadPoint(point);
    }
    template <class Point>
    void WritePoint(const std::string& name, const Point& point) {
        BeginNode(name);
        WritePoint(point);
        EndNode(name);
    }

private:
    CXmlNode* AddMember(const std::string& name);
    std::string Where() const;

    template <class Sequence>
    void ReadAll(const std::string& name, Sequence& values) const {
        for (int i = 0; i < myCurrent->GetChildCount(); ++i) {
            const CXmlNode* child = myCurrent->GetChild(i);
            if (child->GetName() != name) continue;
            typename Sequence::value_type value{};
            CAnyContainer::Parse(child->GetContent(), value);
            values.push_back(value);
        }
    }

    template <class T>
    void ReadCoordinate(const std::string& name, T& value) const {
        if (myCurrent->HasAttribute(name)) myCurrent->GetAttribute(name).Get(value);
    }

    std::string myFile;
    int myLine = 0;
    bool myWarnings = true;
    int myMode;
    CXmlNode* myRoot;
    CXmlNode* myCurrent;
    int myCursor = 0;
};

}  // namespace tolm

#endif
