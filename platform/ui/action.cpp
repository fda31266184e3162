#include "platform/ui/action.h"

#include <algorithm>

namespace ui {
namespace {
std::vector<ActionList*>& Lists() {
  static std::vector<ActionList*> lists;
  return lists;
}
}  // namespace

Action::Action(ActionList& list, std::string name, int tag)
    : list_(&list), name_(std::move(name)), tag_(tag) {}

Action::~Action() {
  // Clients may unregister while being told.
  auto clients = clients_;
  for (ActionClient* client : clients) client->ActionDestroyed(*this);
}

void Action::Changed() {
  auto clients = clients_;
  for (ActionClient* client : clients) client->ActionChanged(*this);
}

void Action::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void Action::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed();
}

void Action::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void Action::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void Action::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void Action::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

bool Action::Execute() {
  Update();  // the state may be stale between idle passes
  if (!enabled_) return false;
  bool handled = false;
  if (list_->OnExecute) list_->OnExecute(*this, handled);
  if (!handled && OnExecute) {
    OnExecute(*this);
    handled = true;
  }
  return handled;
}

void Action::Update() {
  bool handled = false;
  if (list_->OnUpdate) list_->OnUpdate(*this, handled);
  if (!handled && OnUpdate) OnUpdate(*this);
}

void Action::AddClient(ActionClient* client) {
  if (std::find(clients_.begin(), clients_.end(), client) == clients_.end())
    clients_.push_back(client);
}

void Action::RemoveClient(ActionClient* client) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

ActionList::ActionList() { Lists().push_back(this); }

ActionList::~ActionList() {
  auto& lists = Lists();
  lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
}

Action& ActionList::Add(std::string name, int tag, std::string caption, std::string hint) {
  auto action = std::make_unique<Action>(*this, std::move(name), tag);
  action->SetCaption(caption);
  action->SetHint(hint);
  actions_.push_back(std::move(action));
  return *actions_.back();
}

Action* ActionList::Find(const std::string& name) const {
  for (const auto& action : actions_) {
    if (action->Name() == name) return action.get();
  }
  return nullptr;
}

void ActionList::UpdateActions() {
  for (size_t i = 0; i < actions_.size(); ++i) actions_[i]->Update();
}

const std::vector<ActionList*>& ActionList::LiveLists() { return Lists(); }

}  // namespace ui
