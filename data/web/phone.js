// The phone page: a name asked once, then one big buzzer in the player's colour, the phase in
// words, the three answers when this phone's player answers, and the player's points and place.
// The messages are described in the game's README ("Phones as buzzers").
// Written for old phone browsers too (Safari 12, Chrome 70): tests/phones/page_features.py
// lists what must not be used here.
"use strict";

const $ = (id) => document.getElementById(id);
const token = new URLSearchParams(location.search).get("t") || "";

const kPingMs = 5000;
const kPongMs = 3000;       // a pong later than this counts as missed
const kMissedPongs = 2;     // this many missed in a row: the server is gone or stopped
const kOpenMs = 6000;       // a stopped server accepts the connection and never answers
const kRoomCheckMs = 4000;
const kMaxRetryMs = 8000;

const kPhases = {
  waiting: "Čekáme na začátek hry",
  question: "Poslouchej otázku",
  claims: "Mačkej bzučák!",
  answer: "Odpovídáš ty: vyber odpověď",
  lockedout: "Tuhle otázku už odpovídat nesmíš",
  right: "Správně!",
  wrong: "Špatně",
  timeup: "Čas vypršel: otázku nikdo nezískal",
  result: "Konec hry",
  choose: "Vyber odpověď",
  chosen: "Odpověď odeslána: počkej na ostatní",
};
const kNotes = {
  full: "Hra je plná (5 hráčů)",
  running: "Hra už běží: počkej na další kolo",
};
// The class game has no buzzer: a pupil waits for the start or, joining late, for the next question.
const kClassWaiting = {
  "": "Čekáme na začátek hry",
  running: "Hra už běží: zapojíš se od příští otázky",
};
const kNoPlayer =
  "Na obrazovce hry otevři u svého řádku volbu klávesy a pak stiskni tady bzučák.";
const kScanAgain = "Hra začala znovu: naskenujte nový kód";
const kOtherTab = "Tenhle telefon už hraje v jiné záložce prohlížeče.";
const kRemoved = "Hostitel tě z této hry odebral.";

// ---- Storage: a browser that blocks it still plays, remembering for this visit only.

const memory = {};

function stored(key) {
  try {
    const value = window.localStorage.getItem(key);
    if (value !== null) return value;
  } catch (blocked) {
    // Private modes and blocked cookies throw here: the copy in memory serves.
  }
  return memory[key] || "";
}

function store(key, value) {
  memory[key] = value;
  try {
    window.localStorage.setItem(key, value);
  } catch (blocked) {
    // As above: kept in memory for this visit.
  }
}

function newPhoneId() {
  const bytes = new Uint8Array(16);
  crypto.getRandomValues(bytes);
  return Array.prototype.map.call(bytes, (b) => (b < 16 ? "0" : "") + b.toString(16)).join("");
}

let phoneId = stored("brellikPhoneId");
if (!phoneId) {
  phoneId = newPhoneId();
  store("brellikPhoneId", phoneId);
}

// ---- Words.

// Czech agrees with the count: 1 bod, 2 to 4 body, else bodů.
function pointsWord(points) {
  const n = Math.abs(points);
  if (n === 1) return "bod";
  if (n >= 2 && n <= 4) return "body";
  return "bodů";
}

// "+7 bodů", "−5 bodů" (a real minus sign), "0 bodů".
function pointsText(points) {
  const sign = points > 0 ? "+" : points < 0 ? "\u2212" : "";
  return sign + Math.abs(points) + " " + pointsWord(points);
}

function secondsText(seconds) {
  return (seconds >= 2 && seconds <= 4 ? "Zbývají " : "Zbývá ") + seconds + " s";
}

function claimerName(state) {
  return state.claimer && state.claimer.name ? state.claimer.name : "";
}

// The verdict on someone else's answer, with no verb that would need the player's gender.
function heardText(state) {
  const verdict = state.verdict === "right" ? "správně" : "špatně";
  const points = typeof state.points === "number" ? ", " + pointsText(state.points) : "";
  return (claimerName(state) || "Hráč") + ": " + verdict + points;
}

function phaseText(state) {
  if (classGame && state.phase === "waiting") return kClassWaiting[state.note] || kClassWaiting[""];
  if (state.player === "" && state.phase === "waiting") return kNotes[state.note] || kNoPlayer;
  if (state.phase === "other") {
    return claimerName(state) ? "Odpovídá " + claimerName(state) : "Odpovídá někdo jiný";
  }
  if (state.phase === "heard") return heardText(state);
  if (state.phase === "outcome") return outcomeText(state);
  return kPhases[state.phase] || "";
}

// A pupil who gave no answer is told so, not that the answer was wrong.
function outcomeText(state) {
  if (state.verdict === "right") return "Správně!";
  return typeof state.chosen === "number" && state.chosen >= 0 ? "Špatně" : "Bez odpovědi";
}

function placeText(state) {
  if (!(state.place > 0)) return "";
  return state.place + ". místo z " + (state.of > 0 ? state.of : state.scores.length);
}

// ---- Colours.

// Dark text on light colours (the gold row), white on the others.
function inkFor(colour) {
  const rgb = parseInt(colour.slice(1), 16);
  const channel = (c) => {
    const s = c / 255;
    return s <= 0.03928 ? s / 12.92 : Math.pow((s + 0.055) / 1.055, 2.4);
  };
  const luminance = 0.2126 * channel(rgb >> 16 & 255) + 0.7152 * channel(rgb >> 8 & 255) +
    0.0722 * channel(rgb & 255);
  return luminance > 0.18 ? "#111" : "#fff";
}

function isColour(text) {
  return typeof text === "string" && /^#[0-9a-fA-F]{6}$/.test(text);
}

// 40 % of the colour over the page's navy: the buzzer outside the claim clock.
function dimmed(colour) {
  const rgb = parseInt(colour.slice(1), 16);
  const navy = [0x0d, 0x1b, 0x33];
  const mix = [16, 8, 0].map((shift, i) => Math.round(0.4 * (rgb >> shift & 255) + 0.6 * navy[i]));
  return "rgb(" + mix.join(", ") + ")";
}

function paint(name, colour) {
  const style = document.body.style;
  style.setProperty("--" + name, colour);
  style.setProperty("--" + name + "-ink", inkFor(colour));
  style.setProperty("--" + name + "-dim", dimmed(colour));
}

// ---- What the phone shows.

let ownName = stored("brellikName");  // the phone's own name, as the game last confirmed it
let classGame = false;  // the room said it is the class game's: no buzzer anywhere
let lastState = null;
let lastPhase = "";
let countdownTimer = null;

function standingOf(state) {
  const mine = state.scores.filter((s) => s.colour === state.colour && s.name === state.player)[0];
  if (!mine) return null;
  const ahead = state.scores.filter((s) => s.points > mine.points).length;
  return { points: mine.points, place: ahead + 1 };
}

function showScores(state) {
  const list = $("scores");
  while (list.firstChild) list.removeChild(list.firstChild);
  state.scores.forEach((s) => {
    const item = document.createElement("li");
    item.textContent = s.name + " " + s.points;
    item.style.setProperty("--dot", s.colour);
    if (s.colour === state.colour && s.name === state.player) item.className = "me";
    list.appendChild(item);
  });
  const standing = standingOf(state);
  $("standing").textContent = standing
    ? standing.points + " " + pointsWord(standing.points) + " · " + standing.place + ". místo"
    : "";
}

function showAnswers(state) {
  // The class game: every phone chooses, then its choice stays shown, locked.
  const classPhase = state.phase === "choose" || state.phase === "chosen" || state.phase === "outcome";
  const answering = (state.phase === "answer" || state.phase === "choose" || state.phase === "chosen") &&
    state.answers.length === 3;
  const ended = state.phase === "result";
  $("answers").hidden = !answering;
  $("buzz").hidden = answering || ended || classPhase || classGame;
  if (!answering) return;
  const buttons = $("answers").querySelectorAll("button");
  for (let i = 0; i < buttons.length; ++i) {
    buttons[i].disabled = state.phase === "chosen";
    buttons[i].classList.toggle("picked", state.phase === "chosen" && state.chosen === i);
    buttons[i].textContent = state.answers[i];
    buttons[i].setAttribute("aria-label", (i + 1) + ". odpověď: " + state.answers[i]);
  }
}

function showWho(state) {
  $("who").textContent = state && state.player !== "" ? state.player : ownName;
}

function showCountdown(state) {
  clearInterval(countdownTimer);
  countdownTimer = null;
  const counting = state.phase === "answer" || state.phase === "choose";
  if (!counting || typeof state.seconds !== "number") return;
  const end = Date.now() + state.seconds * 1000;
  const tick = () => {
    const left = Math.max(0, Math.ceil((end - Date.now()) / 1000));
    $("detail").textContent = secondsText(left);
    if (left === 0) clearInterval(countdownTimer);
  };
  tick();
  countdownTimer = setInterval(tick, 250);
}

function detailText(state) {
  if (state.phase === "outcome") {
    const streak = state.streak >= 2 ? " · " + state.streak + " správně za sebou" : "";
    return pointsText(state.points) + " · celkem " + state.total + " " + pointsWord(state.total) + streak;
  }
  const judged = state.phase === "right" || state.phase === "wrong";
  return judged && typeof state.points === "number" ? pointsText(state.points) : "";
}

function phaseClass(state) {
  if (state.phase === "right" || state.phase === "wrong") return state.phase;
  if (state.phase === "outcome") return state.verdict === "right" ? "right" : "wrong";
  if (state.phase === "timeup") return "wrong";
  if ((state.phase === "other" || state.phase === "heard") && claimerName(state)) return "claimer";
  return "";
}

// The lists the page walks are always there, even from a server that left them out.
function normalised(state) {
  if (!Array.isArray(state.scores)) state.scores = [];
  if (!Array.isArray(state.answers)) state.answers = [];
  if (typeof state.player !== "string") state.player = "";
  return state;
}

function show(state) {
  const owned = state.player !== "";
  lastState = state;
  paint("player", owned && isColour(state.colour) ? state.colour : "#546e7a");
  if (state.claimer && isColour(state.claimer.colour)) paint("claimer", state.claimer.colour);
  showWho(state);
  $("phase").textContent = phaseText(state);
  $("phase").className = phaseClass(state);
  $("detail").textContent = detailText(state);
  $("detail").className = phaseClass(state) === "claimer" ? "" : phaseClass(state);
  // The countdown is on screen, not read out every second.
  $("detail").setAttribute("aria-live", state.phase === "answer" ? "off" : "polite");
  // A pupil waiting in the class game sees its name large, in its colour, instead of a buzzer.
  const waitingPupil = classGame && state.phase === "waiting" && owned;
  $("place").textContent = waitingPupil ? state.player : placeText(state);
  $("place").hidden = !waitingPupil &&
    ((state.phase !== "result" && state.phase !== "outcome") || !placeText(state));
  $("buzz").classList.toggle("quiet", state.phase !== "claims" && owned);
  showAnswers(state);
  showScores(state);
  showCountdown(state);
  if ((state.phase === "answer" || state.phase === "choose") && lastPhase !== state.phase) {
    if (navigator.vibrate) navigator.vibrate(200);
    $("answers").querySelector("button").focus();
  }
  lastPhase = state.phase;
}

// ---- The connection: one WebSocket, pinged; lost ones come back by themselves.

let socket = null;
let stoppedWhy = "";      // "scan" or "tab": the page no longer reconnects
let rtt = -1;
let retryMs = 500;
let retryTimer = null;
let openTimer = null;
let pingTimer = null;
let pongTimer = null;
let missedPongs = 0;

function connected() {
  return socket !== null && socket.readyState === WebSocket.OPEN;
}

function send(message) {
  if (!connected()) return false;
  message.v = 1;
  socket.send(JSON.stringify(message));
  return true;
}

// An ended game is no lost connection: the result stays, and the page reconnects quietly.
function showOffline(away) {
  const loud = away && lastPhase !== "result";
  $("offline").hidden = !loud;
  document.body.classList.toggle("away", loud);
  if (!away) $("press-note").hidden = true;
}

function ping() {
  send({ type: "ping", t: performance.now(), rtt: rtt });
  clearTimeout(pongTimer);
  pongTimer = setTimeout(pongMissed, kPongMs);
}

function pongMissed() {
  missedPongs += 1;
  if (missedPongs >= kMissedPongs) dropSocket(true);
}

function stopPinging() {
  clearInterval(pingTimer);
  clearTimeout(pongTimer);
  missedPongs = 0;
}

function pong(message) {
  clearTimeout(pongTimer);
  missedPongs = 0;
  const first = rtt < 0;
  rtt = Math.round(performance.now() - message.t);
  if (first) send({ type: "ping", t: performance.now(), rtt: rtt });  // the host sees it at once
  $("rtt").textContent = "Odezva " + rtt + " ms";
}

function scheduleRetry() {
  clearTimeout(retryTimer);
  retryTimer = setTimeout(connect, retryMs);
  retryMs = Math.min(retryMs * 2, kMaxRetryMs);
}

// A socket that never opened may carry a token the game no longer knows (the game was
// started again): the room says so, and then retrying would never end.
function checkRoom() {
  let settled = false;
  const settle = (status) => {
    if (settled) return;
    settled = true;
    clearTimeout(timer);
    if (status === 403) stop("scan");
    else scheduleRetry();
  };
  const timer = setTimeout(() => settle(0), kRoomCheckMs);
  fetch("/room?t=" + encodeURIComponent(token), { cache: "no-store" }).then(
    (response) => settle(response.status),
    () => settle(0));
}

function lost(wasOpen) {
  stopPinging();
  clearTimeout(openTimer);
  if (stoppedWhy || $("play").hidden) return;  // stopped, or the name is being changed
  showOffline(true);
  if (wasOpen) scheduleRetry();
  else checkRoom();
}

// Forgets the socket at once: a stopped server would hold a polite close for long.
function dropSocket(wasOpen) {
  if (!socket) return;
  const old = socket;
  socket = null;
  old.onopen = old.onmessage = old.onclose = null;
  old.close();
  lost(wasOpen);
}

function receive(text) {
  let message = null;
  try {
    message = JSON.parse(text);
  } catch (broken) {
    return;  // the server sends JSON only; anything else is not for this page
  }
  if (!message || typeof message !== "object") return;
  if (message.type === "state") show(normalised(message));
  if (message.type === "pong") pong(message);
  if (message.type === "welcome" && typeof message.name === "string") {
    classGame = message.game === "class";
    ownName = message.name;
    showWho(lastState);
  }
  if (message.type === "refused" && message.what === "join") refusedJoin(message.why);
}

function refusedJoin(why) {
  if (why === "replaced") {
    stop("tab");
  } else if (why === "removed") {
    stop("removed");
  } else if (why === "room full") {
    $("join-note").textContent = "Hra je plná: víc telefonů se připojit nemůže.";
    showJoinForm();
  }
}

function opened() {
  clearTimeout(openTimer);
  retryMs = 500;
  showOffline(false);
  send({ type: "join", id: phoneId, name: stored("brellikName") });
  missedPongs = 0;
  ping();
  pingTimer = setInterval(ping, kPingMs);
}

function connect() {
  if (socket || stoppedWhy) return;
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  const ws = new WebSocket(scheme + location.host + "/ws?t=" + encodeURIComponent(token));
  let wasOpen = false;
  socket = ws;
  openTimer = setTimeout(() => dropSocket(false), kOpenMs);
  ws.onopen = () => {
    wasOpen = true;
    opened();
  };
  ws.onmessage = (event) => receive(event.data);
  ws.onclose = () => {
    if (socket !== ws) return;
    socket = null;
    lost(wasOpen);
  };
}

function disconnect() {
  clearTimeout(retryTimer);
  clearTimeout(openTimer);
  stopPinging();
  if (!socket) return;
  const old = socket;
  socket = null;
  old.onopen = old.onmessage = old.onclose = null;
  old.close();
}

// The page gives up for good: the code is stale, or another tab of this phone plays.
function stop(why) {
  stoppedWhy = why;
  disconnect();
  clearInterval(countdownTimer);
  $("play").hidden = true;
  $("join").hidden = true;
  $("notice").hidden = false;
  $("notice-text").textContent = why === "scan" ? kScanAgain : why === "removed" ? kRemoved : kOtherTab;
  $("play-here").hidden = why !== "tab";
}

// ---- Screens and buttons.

function showJoinForm() {
  $("play").hidden = true;
  $("notice").hidden = true;
  $("join").hidden = false;
  $("name").value = stored("brellikName");
  $("name").focus();
}

// A phone joins once per connection, so a new name takes a new connection.
function startPlaying() {
  stoppedWhy = "";
  $("join").hidden = true;
  $("notice").hidden = true;
  $("play").hidden = false;
  showWho(lastState);
  disconnect();
  retryMs = 500;
  connect();
}

function press(message) {
  const sent = send(message);
  $("press-note").hidden = sent;
}

$("join").onsubmit = (event) => {
  event.preventDefault();
  const name = $("name").value.trim();
  if (!name) {
    $("join-note").textContent = "Napiš svoje jméno: aspoň jedno písmeno.";
    $("name").focus();
    return;
  }
  store("brellikName", name);
  ownName = name;
  $("join-note").textContent = "";
  startPlaying();
};
$("rename").onclick = showJoinForm;
$("play-here").onclick = startPlaying;
$("buzz").onclick = () => press({ type: "buzz" });
Array.prototype.forEach.call($("answers").querySelectorAll("button"), (button) => {
  button.onclick = () => {
    const message = { type: "answer", n: Number(button.getAttribute("data-n")) };
    // A class phone names the question it answers, so a late answer cannot count for the next.
    if (lastState && lastState.phase === "choose") message.q = lastState.q;
    press(message);
  };
});
document.addEventListener("visibilitychange", () => {
  if (!document.hidden && !socket && !stoppedWhy && !$("play").hidden) {
    clearTimeout(retryTimer);
    connect();
  }
});

if (stored("brellikName")) startPlaying();
else showJoinForm();
