#include "slideshow/engine/sound/SoundPlayer.h"

#include <utility>

#include "slideshow/engine/settings/SoundPlayList.h"
#include "slideshow/engine/sound/SoundNotifyWindow.h"

namespace lumi {

namespace {

// Players alive with their state; a player made while one lives is inert.
int livePlayers = 0;

const std::vector<std::string> kNoFiles;

}  // namespace

struct CSoundPlayer::State {
  MCIDEVICEID device = kNoDevice;
  std::unique_ptr<SoundNotifyWindow> notify;
  bool notifyTried = false;
  std::vector<std::string> list;
  int position = kStopped;
  bool loop = false;
  bool playing = false;
  std::function<HWND()> mainWindow;
};

CSoundPlayer& CSoundPlayer::GetPlayer() {
  static CSoundPlayer player(
      SoundPlayerTies{SystemMci(), RuntimeRandom(), SystemClock(), MessageBoxReport()});
  return player;
}

CSoundPlayer::CSoundPlayer(const SoundPlayerTies& ties) : ties_(ties) {
  if (livePlayers > 0) {
    ties_.report.Show(kSecondPlayerMessage);
    return;
  }
  ++livePlayers;
  state_ = std::make_unique<State>();
}

CSoundPlayer::~CSoundPlayer() {
  if (!state_) return;
  Stop();
  state_->notify.reset();
  --livePlayers;
}

void CSoundPlayer::SetMainWindowSource(std::function<HWND()> source) {
  if (state_) state_->mainWindow = std::move(source);
}

void CSoundPlayer::EnsureNotifyWindow() {
  // One attempt only: without a main window at the first request the lists
  // still start, they just never move past their first file.
  if (state_->notifyTried) return;
  state_->notifyTried = true;
  HWND parent = state_->mainWindow ? state_->mainWindow() : nullptr;
  auto window = std::make_unique<SoundNotifyWindow>(
      [this](WPARAM code, UINT device) { OnNotify(code, device); });
  if (window->Create(parent)) state_->notify = std::move(window);
}

int CSoundPlayer::Draw(int count) {
  return static_cast<int>(static_cast<unsigned>(ties_.random.Next()) %
                          static_cast<unsigned>(count));
}

void CSoundPlayer::PlayPlayList(const CSoundPlayList& list) {
  if (!state_) return;
  EnsureNotifyWindow();
  Stop();
  const std::vector<std::string>& files = list.GetFiles();
  if (files.empty()) return;
  if (list.IsSelectOne()) {
    ties_.random.Seed(static_cast<unsigned>(ties_.clock.Now()));
    PlayFile(files[Draw(static_cast<int>(files.size()))], list.IsLoop());
    return;
  }
  PlayFiles(files, list.IsShuffle(), list.IsLoop());
}

void CSoundPlayer::PlayFiles(const std::vector<std::string>& files, bool shuffle, bool loop) {
  if (!state_) return;
  EnsureNotifyWindow();
  Stop();
  std::vector<std::string> list = files;
  // An empty list has nothing to start, looping or not.
  if (list.empty()) {
    state_->list.clear();
    return;
  }
  if (shuffle) {
    ties_.random.Seed(static_cast<unsigned>(ties_.clock.Now()));
    const int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) std::swap(list[i], list[Draw(count)]);
  }
  state_->list = std::move(list);
  state_->position = 0;
  state_->loop = loop;
  StartNext();
}

void CSoundPlayer::PlayFile(const std::string& path, bool loop) {
  if (!state_) return;
  EnsureNotifyWindow();
  Stop();
  PlayFiles(std::vector<std::string>{path}, false, loop);
}

void CSoundPlayer::StartNext() {
  State& s = *state_;
  if (s.position == kStopped || s.list.empty()) {
    Stop();
    return;
  }
  if (s.position >= static_cast<int>(s.list.size())) {
    if (!s.loop) {
      Stop();
      return;
    }
    s.position = 0;
  }
  // A file that does not start sends no notification, so the list ends
  // there; the position moves on all the same.
  OpenAndPlay(s.list[s.position]);
  ++s.position;
}

MCIERROR CSoundPlayer::OpenAndPlay(const std::string& path) {
  State& s = *state_;
  CloseDevice();
  // An entry naming no member of the package resolved to empty text: there
  // is no file to hand to MCI.
  if (path.empty()) return MCIERR_FILE_NOT_FOUND;
  const HWND notify = NotifyWindow();
  const auto callback = reinterpret_cast<DWORD_PTR>(notify);

  // No device type: MCI picks the device from the file.
  MCI_OPEN_PARMSA open{};
  open.dwCallback = callback;
  open.lpstrElementName = path.c_str();
  MCIERROR error =
      ties_.mci.SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
  if (error != 0) return error;
  s.device = open.wDeviceID;

  // Only the MIDI sequencer answers for its output port: music is played
  // on it, and a file another device opened (a wave) is not played.
  MCI_STATUS_PARMS status{};
  status.dwCallback = callback;
  status.dwItem = MCI_SEQ_STATUS_PORT;
  error = ties_.mci.SendCommand(s.device, MCI_STATUS, MCI_STATUS_ITEM,
                                reinterpret_cast<DWORD_PTR>(&status));
  if (error != 0) {
    CloseDevice();
    return error;
  }

  // From the start to the end, telling the notification window when done.
  MCI_PLAY_PARMS play{};
  play.dwCallback = callback;
  error = ties_.mci.SendCommand(s.device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
  if (error != 0) {
    CloseDevice();
    return error;
  }
  s.playing = true;
  return 0;
}

void CSoundPlayer::CloseDevice() {
  State& s = *state_;
  // Nothing plays without a device, also when the next file then fails to start.
  s.playing = false;
  if (s.device == kNoDevice) return;
  MCI_GENERIC_PARMS close{};
  ties_.mci.SendCommand(s.device, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&close));
  s.device = kNoDevice;
}

void CSoundPlayer::Stop() {
  if (!state_) return;
  CloseDevice();
  state_->position = kStopped;
}

void CSoundPlayer::OnNotify(WPARAM code, MCIDEVICEID device) {
  if (!state_ || code != MCI_NOTIFY_SUCCESSFUL) return;
  // A success posted by a device closed since (its list replaced or stopped
  // before the message arrived) must not move the list that plays now.
  if (state_->device == kNoDevice || device != state_->device) return;
  StartNext();
}

bool CSoundPlayer::IsPlaying() const { return state_ && state_->playing; }
MCIDEVICEID CSoundPlayer::Device() const { return state_ ? state_->device : kNoDevice; }
int CSoundPlayer::Position() const { return state_ ? state_->position : kStopped; }
bool CSoundPlayer::IsLoop() const { return state_ && state_->loop; }
const std::vector<std::string>& CSoundPlayer::List() const {
  return state_ ? state_->list : kNoFiles;
}
HWND CSoundPlayer::NotifyWindow() const {
  return state_ && state_->notify ? state_->notify->Handle() : nullptr;
}

}  // namespace lumi
