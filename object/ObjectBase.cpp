#include "object/ObjectBase.h"

#include <stdexcept>

void ObjectBase::Shift(float, float) {}
void ObjectBase::Update() {}
void ObjectBase::Draw() {}
void ObjectBase::Remove() {
    removed = true;
}

void ObjectBase::OnMessage(const std::string&, std::vector<std::string>&) {
    throw std::runtime_error("messageは失敗しました");
}
