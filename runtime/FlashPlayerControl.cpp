#include "runtime/FlashPlayerControl.h"

#include "runtime/FlashVars.h"
#include "runtime/Player.h"
#include "runtime/Trace.h"
#include "runtime/swf/SwfReader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {

// A folder path or address as the folder URL that relative paths resolve against.
QUrl BaseFolderUrl(const QString& base)
{
  if (base.isEmpty()) {
    return {};
  }
  QUrl url = QUrl(base).scheme().isEmpty() ? QUrl::fromLocalFile(base) : QUrl(base);
  if (!url.path().endsWith(QLatin1Char('/'))) {
    url.setPath(url.path() + QLatin1Char('/'));
  }
  return url;
}

}  // namespace

TFlashPlayerControl::TFlashPlayerControl(QWidget* parent) : QWidget(parent)
{
  setObjectName(QStringLiteral("FlashPlayer"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

TFlashPlayerControl::~TFlashPlayerControl()
{
  if (player_) {
    player_->shutdown();
  }
  player_.reset();
  retired_.clear();
}

void TFlashPlayerControl::setBGColor(const QString& colour)
{
  const QColor parsed = QColor::fromString(colour);
  if (parsed.isValid()) {
    background_ = parsed;
    update();
  }
}

bool TFlashPlayerControl::LoadMovieFromStream(QIODevice* stream)
{
  if (stream == nullptr || !stream->isReadable()) {
    movieError_ = QStringLiteral("the movie stream cannot be read");
    return false;
  }
  const QByteArray file = stream->readAll();
  const flash::swf::ReadResult read = flash::swf::readMovie(file);
  if (!read.movie) {
    movieError_ = read.error;
    return false;
  }

  flash::Player::Host host;
  host.call = [this](const QString& request) { return hostCall(request); };
  host.openResource = [this](const QString& path) {
    QIODevice* given = nullptr;
    emit OnLoadExternalResourceAsync(path, &given);
    if (given != nullptr) {
      given->setParent(nullptr);  // owned by the movie's reader from now on
    }
    return given;
  };
  host.resourceClosing = [this](QIODevice* closing) { emit OnUnloadExternalResourceAsync(closing); };
  host.base = BaseFolderUrl(base_);

  auto next = std::make_unique<flash::Player>(*read.movie, flash::parseFlashVars(flashVars_),
                                              std::make_shared<flash::utils::Clock>(clockMode_), std::move(host));
  // Bound to this movie's own stage: the movie starts (and may call them) before it replaces the old one.
  flash::display::Stage& stage = next->stage();
  stage.setDisplayStateHandler([this, &stage](bool fullScreen) { return setFullScreen(fullScreen, stage); });
  stage.setRepaintHandler([this, &stage](const QRectF& area) { update(stage.viewTransform().mapRect(area).toAlignedRect()); });
  const bool wasFullScreen = fullScreen_;
  if (wasFullScreen) {
    leaveFullScreenWindow();  // a new movie starts in the normal display state
  }
  stage.setViewSize(size());
  const QString error = next->start(classes_);
  if (!error.isEmpty()) {
    movieError_ = error;
    next->shutdown();
    if (wasFullScreen && player_) {
      player_->stage().setViewSize(size());
      player_->stage().displayStateChanged(false);
    }
    return false;
  }
  movieError_.clear();
  retire(std::exchange(player_, std::move(next)));
  update();
  return true;
}

QString TFlashPlayerControl::CallFunction(const QString& request)
{
  if (!player_) {
    return {};
  }
  return player_->externalInterface().handleInvoke(request);
}

QString TFlashPlayerControl::hostCall(const QString& request)
{
  const QString outer = std::exchange(returnValue_, QString());
  emit OnFlashCall(request);
  return std::exchange(returnValue_, outer);
}

bool TFlashPlayerControl::setFullScreen(bool fullScreen, flash::display::Stage& stage)
{
  if (fullScreen == fullScreen_) {
    return true;
  }
  if (fullScreen && !allowFullscreen_) {
    return false;
  }
  if (fullScreen) {
    fullScreen_ = true;
    normalParent_ = parentWidget();
    normalGeometry_ = geometry();
    setParent(nullptr, Qt::Window);
    showFullScreen();
    setFocus();
  } else {
    leaveFullScreenWindow();
  }
  stage.setViewSize(size());
  stage.displayStateChanged(fullScreen);
  return true;
}

void TFlashPlayerControl::leaveFullScreenWindow()
{
  fullScreen_ = false;
  setParent(normalParent_, normalParent_ ? Qt::Widget : Qt::Window);
  setGeometry(normalGeometry_);
  showNormal();
}

void TFlashPlayerControl::retire(std::unique_ptr<flash::Player> player)
{
  if (!player) {
    return;
  }
  player->shutdown();
  // The old movie's code may be what is running now (a call that loads the next movie): free it later.
  retired_.push_back(std::move(player));
  QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

QPointF TFlashPlayerControl::toStage(QPointF viewPoint) const
{
  return player_->stage().viewTransform().inverted().map(viewPoint);
}

void TFlashPlayerControl::updateCursor()
{
  const bool hand = player_ && player_->stage().mouseInput().showsHandCursor();
  setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TFlashPlayerControl::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  QColor backdrop = background_;
  if (!backdrop.isValid()) {
    backdrop = player_ && player_->movieFile().backgroundColor ? QColor(QRgb(*player_->movieFile().backgroundColor))
                                                               : QColor(Qt::white);
  }
  painter.fillRect(rect(), backdrop);
  if (!player_) {
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setTransform(player_->stage().viewTransform());
  player_->stage().render(painter);
}

void TFlashPlayerControl::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  if (player_) {
    flash::runGuarded(QStringLiteral("a resize listener"), [this] { player_->stage().setViewSize(size()); });
  }
}

void TFlashPlayerControl::mousePressEvent(QMouseEvent* event)
{
  if (player_ && event->button() == Qt::LeftButton) {
    const QPointF point = toStage(event->position());
    flash::runGuarded(QStringLiteral("a mouseDown listener"), [this, point] { player_->stage().mouseInput().press(point); });
  }
  updateCursor();
}

void TFlashPlayerControl::mouseReleaseEvent(QMouseEvent* event)
{
  if (player_ && event->button() == Qt::LeftButton) {
    const QPointF point = toStage(event->position());
    flash::runGuarded(QStringLiteral("a mouseUp listener"), [this, point] { player_->stage().mouseInput().release(point); });
  }
  updateCursor();
}

void TFlashPlayerControl::mouseMoveEvent(QMouseEvent* event)
{
  if (player_) {
    const QPointF point = toStage(event->position());
    flash::runGuarded(QStringLiteral("a mouseMove listener"), [this, point] { player_->stage().mouseInput().move(point); });
  }
  updateCursor();
}

void TFlashPlayerControl::leaveEvent(QEvent* event)
{
  QWidget::leaveEvent(event);
  if (player_) {
    flash::runGuarded(QStringLiteral("a rollOut listener"), [this] { player_->stage().mouseInput().leave(); });
  }
  updateCursor();
}

void TFlashPlayerControl::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Escape && fullScreen_) {
    flash::runGuarded(QStringLiteral("a fullScreen listener"), [this] {
      if (player_) {
        setFullScreen(false, player_->stage());
      } else {
        leaveFullScreenWindow();
      }
    });
    return;
  }
  QWidget::keyPressEvent(event);
}
