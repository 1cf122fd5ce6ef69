// Keeps the page and what a home screen needs, so that it opens offline; the page is taken from the server
// whenever the server answers, so a new version arrives by itself.
const files = ["taktzeit.html", "manifest.webmanifest", "icons/taktzeit-128.png", "icons/taktzeit-256.png"];
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open("taktzeit").then((cache) => cache.addAll(files)));
});
self.addEventListener("fetch", (event) => {
  event.respondWith(
    fetch(event.request)
      .then((response) => {
        const copy = response.clone();
        caches.open("taktzeit").then((cache) => cache.put(event.request, copy));
        return response;
      })
      .catch(() => caches.match(event.request)));
});
