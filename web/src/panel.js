// TODO(helper): mountPanel fills its container in index.html.
export function mountPanel(root, app) {
  void root;
  void app;
}
