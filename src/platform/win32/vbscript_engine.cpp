#include "vbscript_engine.h"

#include "automation.h"

namespace {

class VbscriptSubMatches final : public RegexSubMatches {
 public:
  explicit VbscriptSubMatches(AutomationObject object) : object_(std::move(object)) {}

  double Count() override { return object_.Get(u"Count").ToNumber(); }

  std::optional<std::u16string> Item(int index) override {
    const Variant group = object_.Item(index);
    if (group.Type() == VT_EMPTY) return std::nullopt;
    return group.ToString();
  }

 private:
  AutomationObject object_;
};

class VbscriptMatch final : public RegexMatch {
 public:
  explicit VbscriptMatch(AutomationObject object) : object_(std::move(object)) {}

  std::u16string Value() override { return object_.Get(u"Value").ToString(); }
  double FirstIndex() override { return object_.Get(u"FirstIndex").ToNumber(); }

  std::shared_ptr<RegexSubMatches> SubMatches() override {
    AutomationObject groups = AutomationObject::FromVariant(object_.Get(u"SubMatches"));
    if (!groups) return nullptr;
    return std::make_shared<VbscriptSubMatches>(std::move(groups));
  }

 private:
  AutomationObject object_;
};

class VbscriptMatchCollection final : public RegexMatchCollection {
 public:
  explicit VbscriptMatchCollection(AutomationObject object) : object_(std::move(object)) {}

  double Count() override { return object_.Get(u"Count").ToNumber(); }

  std::shared_ptr<RegexMatch> Item(int index) override {
    AutomationObject match = AutomationObject::FromVariant(object_.Item(index));
    if (!match) return nullptr;
    return std::make_shared<VbscriptMatch>(std::move(match));
  }

 private:
  AutomationObject object_;
};

class VbscriptEngine final : public RegexEngine {
 public:
  explicit VbscriptEngine(AutomationObject object) : object_(std::move(object)) {}

  bool SetIgnoreCase(bool on) override { return object_.Put(u"IgnoreCase", Variant::Bool(on)); }
  bool SetMultiline(bool on) override { return object_.Put(u"Multiline", Variant::Bool(on)); }
  bool SetGlobal(bool on) override { return object_.Put(u"Global", Variant::Bool(on)); }
  bool SetPattern(const std::u16string& pattern) override {
    return object_.Put(u"Pattern", Variant::String(pattern));
  }

  bool IgnoreCase() override { return object_.Get(u"IgnoreCase").ToBool(); }
  std::u16string Pattern() override { return object_.Get(u"Pattern").ToString(); }

  std::shared_ptr<RegexMatchCollection> Execute(std::u16string subject) override {
    const Variant text = Variant::String(subject);
    Variant result;
    if (!object_.Call(u"Execute", {&text}, &result)) return nullptr;
    AutomationObject matches = AutomationObject::FromVariant(result);
    if (!matches) return nullptr;
    return std::make_shared<VbscriptMatchCollection>(std::move(matches));
  }

  std::optional<std::u16string> Replace(const std::u16string& subject,
                                        const std::u16string& replacement) override {
    const Variant text = Variant::String(subject), with = Variant::String(replacement);
    Variant result;
    if (!object_.Call(u"Replace", {&text, &with}, &result)) return std::nullopt;
    return result.ToString();
  }

 private:
  AutomationObject object_;
};

}  // namespace

RegexEngineFactory MakeVbscriptEngineFactory() {
  return [](const Text& progId) -> std::shared_ptr<RegexEngine> {
    AutomationObject object = AutomationObject::Create(progId);
    if (!object) return nullptr;
    return std::make_shared<VbscriptEngine>(std::move(object));
  };
}
