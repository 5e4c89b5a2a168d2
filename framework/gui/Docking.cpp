#include "framework/gui/Docking.h"

namespace tmv {

const TClassInfo& TFloatingDockForm::StaticClassInfo() {
  static const TClassInfo info("TFloatingDockForm", &TCustomForm::StaticClassInfo(), nullptr);
  return info;
}

TFloatingDockForm::TFloatingDockForm(TControl* client) : TCustomForm(client->Owner()), client_(client) {
  SetBorderStyle(bsSizeToolWin);
  SetBorderIcons(biSystemMenu);
  SetCaption(client->Caption());
  FreeNotification(client);
}

void TFloatingDockForm::Place(const RECT& screenBounds) {
  SetBounds(screenBounds.left, screenBounds.top, Width(), Height());
  SetClientWidth(screenBounds.right - screenBounds.left);
  SetClientHeight(screenBounds.bottom - screenBounds.top);
}

void TFloatingDockForm::AlignControls(RECT& rect) {
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void TFloatingDockForm::Notification(TComponent* component, TOperation operation) {
  TCustomForm::Notification(component, operation);
  if (operation != opRemove || component != client_) return;
  client_ = nullptr;
  if (!IsDestroying() && HandleAllocated()) Release();
}

// ---------------------------------------------------------------------------------------
// The docking routines of TControl

TWinControl* TControl::HostDockSite() const { return parent_ && parent_->DockSite() ? parent_ : nullptr; }

bool TControl::Floating() const { return dynamic_cast<TFloatingDockForm*>(parent_) != nullptr; }

bool TControl::MayUnDock(TWinControl* newTarget) {
  TWinControl* site = HostDockSite();
  if (!site || site == newTarget) return true;
  const auto alive = LifeToken();
  bool allow = true;
  RunGuarded([&] { site->DoUnDock(newTarget, this, allow); });
  return allow && !alive.expired();
}

bool TControl::ManualDock(TWinControl* site, POINT at) {
  if (!site) return false;
  TDragDockObject object(this);
  return DockTo(site, object, at, at);
}

bool TControl::DockTo(TWinControl* site, TDragDockObject& object, POINT at, POINT dropPoint) {
  // A control cannot go into itself or into a control inside it.
  if (site->IsWithin(this)) return false;
  const auto siteAlive = site->LifeToken();
  if (!MayUnDock(site) || siteAlive.expired()) return false;
  TWinControl* left = parent_;
  SetParent(site);
  if (align_ == alNone) SetBounds(at.x, at.y, width_, height_);
  if (auto* host = dynamic_cast<TFloatingDockForm*>(left)) host->Release();
  RunGuarded([&] { site->DockDrop(&object, dropPoint.x, dropPoint.y); });
  return true;
}

// ---------------------------------------------------------------------------------------
// The docking routines of TWinControl

void TWinControl::GetSiteInfo(TControl* client, RECT& influence, POINT mousePos, bool& canDock) {
  GetWindowRect(Handle(), &influence);
  canDock = true;
  onGetSiteInfo_(this, client, influence, mousePos, canDock);
}

RECT TWinControl::DockRectFor(TControl* client, const RECT& dropped) {
  if (client->Align() == alNone) return dropped;
  AlignPlan plan{client};
  plan_ = &plan;
  RECT area = ClientRect();
  try {
    AlignControls(area);
  } catch (...) {
    plan_ = nullptr;
    throw;
  }
  plan_ = nullptr;
  // A site that shows no children (a rolled-up panel) places nothing.
  if (!plan.placed) return dropped;
  const POINT origin = ClientOrigin();
  OffsetRect(&plan.bounds, origin.x, origin.y);
  return plan.bounds;
}

bool TControl::ManualFloat(const RECT& screenBounds) {
  if (auto* host = dynamic_cast<TFloatingDockForm*>(parent_)) {
    host->Place(screenBounds);
    return true;
  }
  if (!MayUnDock(nullptr)) return false;
  auto* host = new TFloatingDockForm(this);
  host->Place(screenBounds);
  SetParent(host);
  host->Show();
  return true;
}

}  // namespace tmv
