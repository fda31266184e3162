#pragma once
// Actions carry caption, hint, enabled and checked state for the controls bound to them.
// One execute and one update handler per list, dispatched on the action's tag; updates run
// at idle so derived state is computed in one place.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class ActionList;
class ImageList;

class Action;

class ActionClient {
 public:
  // Called when the action's caption, hint, enabled, visible or checked state changed.
  virtual void ActionChanged(Action& action) = 0;
  virtual void ActionDestroyed(Action& action) = 0;

 protected:
  ~ActionClient() = default;
};

class Action {
 public:
  Action(ActionList& list, std::string name, int tag);
  ~Action();
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  const std::string& Name() const { return name_; }
  ActionList& List() const { return *list_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  // Runs the list's execute handler, then OnExecute when unhandled. Does nothing and returns
  // false while the action is disabled, so an accelerator of a disabled button is inert.
  bool Execute();
  // Runs the list's update handler, then OnUpdate when unhandled.
  void Update();

  std::function<void(Action&)> OnExecute;
  std::function<void(Action&)> OnUpdate;

  void AddClient(ActionClient* client);
  void RemoveClient(ActionClient* client);

 private:
  void Changed();

  ActionList* list_;
  std::string name_;
  int tag_;
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  std::vector<ActionClient*> clients_;
};

class ActionList {
 public:
  using Handler = std::function<void(Action& action, bool& handled)>;

  ActionList();
  ~ActionList();
  ActionList(const ActionList&) = delete;
  ActionList& operator=(const ActionList&) = delete;

  Action& Add(std::string name, int tag, std::string caption = {}, std::string hint = {});
  Action* Find(const std::string& name) const;
  const std::vector<std::unique_ptr<Action>>& Actions() const { return actions_; }

  Handler OnExecute;
  Handler OnUpdate;

  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }

  // Runs the update handler of every action; the application calls this at idle.
  void UpdateActions();

  // Every live list, in creation order; the application walks it at idle.
  static const std::vector<ActionList*>& LiveLists();

 private:
  std::vector<std::unique_ptr<Action>> actions_;
  ImageList* images_ = nullptr;
};

}  // namespace ui
