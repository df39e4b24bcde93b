// The phone page: a name asked once, then one big buzzer in the player's colour, the phase in
// words, the three answers when this phone's player answers, and the player's points and place.
// The messages are described in the game's README ("Phones as buzzers").
"use strict";

const $ = (id) => document.getElementById(id);
const token = new URLSearchParams(location.search).get("t") || "";
const kPhases = {
  waiting: "Čekáme na začátek hry",
  question: "Poslouchej otázku",
  claims: "Mačkej bzučák!",
  answer: "Odpovídáš ty: vyber odpověď",
  other: "Odpovídá někdo jiný",
  lockedout: "Tuhle otázku už odpovídat nesmíš",
  right: "Správně!",
  wrong: "Špatně",
  timeup: "Čas vypršel: otázku nikdo nezískal",
  result: "Konec hry",
};
const kNoPlayer =
  "Na obrazovce hry otevři u svého řádku volbu klávesy a pak stiskni tady bzučák.";

let phoneId = localStorage.getItem("brellikPhoneId");
if (!phoneId) {
  const bytes = new Uint8Array(16);
  crypto.getRandomValues(bytes);
  phoneId = Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
  localStorage.setItem("brellikPhoneId", phoneId);
}

let socket = null;
let pingTimer = null;
let retryTimer = null;
let retryMs = 500;
let rtt = -1;
let lastPhase = "";

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) {
    socket.send(JSON.stringify({ v: 1, ...message }));
  }
}

// Dark text on light player colours (the yellow row), white on the others.
function inkFor(colour) {
  const rgb = parseInt(colour.slice(1), 16);
  const channel = (c) => {
    const s = c / 255;
    return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
  };
  const luminance =
    0.2126 * channel(rgb >> 16 & 255) + 0.7152 * channel(rgb >> 8 & 255) + 0.0722 * channel(rgb & 255);
  return luminance > 0.18 ? "#111" : "#fff";
}

function pointsWord(points) {
  const n = Math.abs(points);
  if (n === 1) return "bod";
  if (n >= 2 && n <= 4) return "body";
  return "bodů";
}

// The phone's own line among the scores: the row's colour is unique, the name must match too.
function standingOf(state) {
  const mine = state.scores.find((s) => s.colour === state.colour && s.name === state.player);
  if (!mine) return null;
  const place = 1 + state.scores.filter((s) => s.points > mine.points).length;
  return { points: mine.points, place };
}

function showScores(state) {
  $("scores").replaceChildren(...state.scores.map((s) => {
    const item = document.createElement("li");
    item.textContent = s.name + " " + s.points;
    item.style.setProperty("--dot", s.colour);
    if (s.colour === state.colour && s.name === state.player) item.className = "me";
    return item;
  }));
  const standing = standingOf(state);
  $("standing").textContent = standing
    ? standing.points + " " + pointsWord(standing.points) + " · " + standing.place + ". místo"
    : "";
}

function showAnswers(state) {
  const answering = state.phase === "answer" && state.answers.length === 3;
  $("answers").hidden = !answering;
  $("buzz").hidden = answering;
  if (!answering) return;
  $("answers").querySelectorAll("button").forEach((button, i) => {
    button.textContent = state.answers[i];
    button.setAttribute("aria-label", (i + 1) + ". odpověď: " + state.answers[i]);
  });
}

function show(state) {
  const body = document.body.style;
  const owned = state.player !== "";
  body.setProperty("--player", owned ? state.colour : "#546e7a");
  body.setProperty("--ink", owned ? inkFor(state.colour) : "#fff");
  $("who").textContent = owned ? state.player : "Bez řádku";
  $("phase").textContent = owned || state.phase !== "waiting" ? kPhases[state.phase] || "" : kNoPlayer;
  $("phase").className =
    state.phase === "right" || state.phase === "wrong" ? state.phase : state.phase === "timeup" ? "wrong" : "";
  $("buzz").classList.toggle("quiet", state.phase !== "claims" && owned);
  showAnswers(state);
  showScores(state);
  if (state.phase === "answer" && lastPhase !== "answer" && navigator.vibrate) navigator.vibrate(200);
  if (state.phase === "answer" && lastPhase !== "answer") $("answers").querySelector("button").focus();
  lastPhase = state.phase;
}

function showOffline(away) {
  $("offline").hidden = !away;
}

function scheduleReconnect() {
  clearInterval(pingTimer);
  if ($("play").hidden) return;  // turned away, or the name is being changed
  showOffline(true);
  clearTimeout(retryTimer);
  retryTimer = setTimeout(connect, retryMs);
  retryMs = Math.min(retryMs * 2, 8000);
}

function connect() {
  if (socket && socket.readyState <= WebSocket.OPEN) return;
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  socket = new WebSocket(scheme + location.host + "/ws?t=" + encodeURIComponent(token));
  socket.onopen = () => {
    retryMs = 500;
    showOffline(false);
    send({ type: "join", id: phoneId, name: localStorage.getItem("brellikName") || "" });
    send({ type: "ping", t: performance.now(), rtt });
    pingTimer = setInterval(() => send({ type: "ping", t: performance.now(), rtt }), 5000);
  };
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.type === "state") show(message);
    if (message.type === "pong") {
      const first = rtt < 0;
      rtt = Math.round(performance.now() - message.t);
      if (first) send({ type: "ping", t: performance.now(), rtt });  // the host sees it at once
      $("rtt").textContent = "Odezva " + rtt + " ms";
    }
    if (message.type === "refused" && message.what === "join") {
      $("join-note").textContent = "Hra je plná: víc telefonů se připojit nemůže.";
      showJoinForm();
    }
  };
  socket.onclose = scheduleReconnect;
}

function showJoinForm() {
  $("play").hidden = true;
  $("join").hidden = false;
  $("name").value = localStorage.getItem("brellikName") || "";
  $("name").focus();
}

// A phone joins once per connection, so a new name takes a new connection.
function startPlaying() {
  $("join").hidden = true;
  $("play").hidden = false;
  if (socket) {
    socket.onclose = null;
    socket.close();
    socket = null;
  }
  clearInterval(pingTimer);
  clearTimeout(retryTimer);
  connect();
}

$("join").onsubmit = (event) => {
  event.preventDefault();
  const name = $("name").value.trim();
  if (!name) return;
  localStorage.setItem("brellikName", name);
  $("join-note").textContent = "";
  startPlaying();
};
$("rename").onclick = showJoinForm;
$("buzz").onclick = () => send({ type: "buzz" });
$("answers").querySelectorAll("button").forEach((button) => {
  button.onclick = () => send({ type: "answer", n: Number(button.dataset.n) });
});
document.addEventListener("visibilitychange", () => {
  if (!document.hidden && (!socket || socket.readyState > WebSocket.OPEN) && !$("play").hidden) {
    clearTimeout(retryTimer);
    connect();
  }
});

if (localStorage.getItem("brellikName")) startPlaying();
else showJoinForm();
