// A plain phone page: join with a name, buzz, answer when it is this phone's turn. The
// messages are described in the game's README ("Phones as buzzers").
"use strict";
const token = new URLSearchParams(location.search).get("t") || "";
const $ = (id) => document.getElementById(id);
const phases = {
  waiting: "Čekej na hru", question: "Otázka", claims: "Mačkej!", answer: "Odpovídáš ty",
  other: "Odpovídá někdo jiný", lockedout: "Tuhle otázku už ne", right: "Správně",
  wrong: "Špatně", result: "Konec hry",
};
let phoneId = localStorage.getItem("brellikPhoneId");
if (!phoneId) {
  const bytes = new Uint8Array(16);
  crypto.getRandomValues(bytes);
  phoneId = Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
  localStorage.setItem("brellikPhoneId", phoneId);
}
$("name").value = localStorage.getItem("brellikName") || "";
let socket = null, pingTimer = null, rtt = -1, retry = 500;

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify({ v: 1, ...message }));
}

function show(state) {
  $("who").textContent = state.player || "Tvůj telefon zatím nepatří žádnému hráči";
  $("who").style.color = state.colour;
  $("phase").textContent = phases[state.phase] || state.phase;
  $("buzz").disabled = state.phase !== "claims";
  const answers = $("answers");
  answers.replaceChildren();
  state.answers.forEach((text, i) => {
    const button = document.createElement("button");
    button.textContent = (i + 1) + ". " + text;
    button.onclick = () => send({ type: "answer", n: i + 1 });
    answers.append(button);
  });
  $("scores").replaceChildren(...state.scores.map((s) => {
    const item = document.createElement("li");
    item.textContent = s.name + ": " + s.points;
    item.style.color = s.colour;
    return item;
  }));
}

function connect() {
  socket = new WebSocket("ws://" + location.host + "/ws?t=" + encodeURIComponent(token));
  socket.onopen = () => {
    retry = 500;
    send({ type: "join", id: phoneId, name: $("name").value });
    pingTimer = setInterval(() => send({ type: "ping", t: performance.now(), rtt }), 5000);
  };
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.type === "state") show(message);
    if (message.type === "pong") {
      rtt = Math.round(performance.now() - message.t);
      $("rtt").textContent = rtt + " ms";
    }
  };
  socket.onclose = () => {
    clearInterval(pingTimer);
    setTimeout(connect, retry);
    retry = Math.min(retry * 2, 8000);
  };
}

$("join").onsubmit = (event) => {
  event.preventDefault();
  localStorage.setItem("brellikName", $("name").value);
  $("join").hidden = true;
  $("play").hidden = false;
  connect();
};
$("buzz").onclick = () => send({ type: "buzz" });
document.addEventListener("visibilitychange", () => {
  if (!document.hidden && socket && socket.readyState > WebSocket.OPEN) connect();
});
