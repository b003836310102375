#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/object.h"
#include "platform/resource_module.h"
#include "platform/window_messages.h"
#include "support/message_recorder.h"

namespace {

class CTestBase : public CObject {
    QARN_DECLARE_SERIAL(CTestBase)
};
QARN_IMPLEMENT_SERIAL(CTestBase, CObject, 0)

class CTestDerived : public CTestBase {
    QARN_DECLARE_SERIAL(CTestDerived)
};
QARN_IMPLEMENT_SERIAL(CTestDerived, CTestBase, 0)

class CTestAbstract : public CObject {
public:
    virtual void Pure() = 0;
    QARN_DECLARE_DYNAMIC(CTestAbstract)
};
QARN_IMPLEMENT_DYNAMIC(CTestAbstract, CObject)

class CTestConcrete : public CTestAbstract {
public:
    void Pure() override {}
};

}  // namespace

TEST(RuntimeClassTest, ObjectsAreCreatedByNameWithTheirClass) {
    const CRuntimeClass* c = CRuntimeClass::FromName(QStringLiteral("CTestDerived"));
    ASSERT_NE(c, nullptr);
    std::unique_ptr<CObject> o(c->CreateObject());
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetRuntimeClass(), RUNTIME_CLASS(CTestDerived));
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CTestBase)));
    EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(CTestBase().IsKindOf(RUNTIME_CLASS(CTestDerived)));
    EXPECT_EQ(CRuntimeClass::FromName(QStringLiteral("CNoSuchClass")), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTestAbstract)->CreateObject(), nullptr);
    CTestConcrete concrete;
    EXPECT_TRUE(concrete.IsKindOf(RUNTIME_CLASS(CTestAbstract)));
}

TEST(RegisteredMessageTest, NamesGiveStableIdentifiersIgnoringCase) {
    UINT a = RegisterWindowMessage(QStringLiteral("TEST_MESSAGE_A"));
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("test_message_a")), a);
    EXPECT_NE(RegisterWindowMessage(QStringLiteral("TEST_MESSAGE_B")), a);
    EXPECT_EQ(RegisterWindowMessage(QString()), 0u);
    EXPECT_EQ(GetRegisteredMessageName(a), QStringLiteral("TEST_MESSAGE_A"));
}

TEST(RegisteredMessageTest, SendIsSynchronousAndPostWaitsForTheQueue) {
    MessageRecorder recorder;
    recorder.reply = 99;
    UINT m = RegisterWindowMessage(QStringLiteral("TEST_DELIVERY"));
    EXPECT_EQ(SendMessage(&recorder, m, 1, 2), 99);
    ASSERT_EQ(recorder.Count(m), 1);
    EXPECT_EQ(recorder.messages[0].wParam, 1u);
    EXPECT_EQ(recorder.messages[0].lParam, 2);

    EXPECT_TRUE(PostMessage(&recorder, m, 3, -4));
    EXPECT_EQ(recorder.Count(m), 1);  // not yet delivered
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(recorder.Count(m), 2);
    EXPECT_EQ(recorder.messages[1].lParam, -4);

    EXPECT_EQ(SendMessage(nullptr, m), 0);
    EXPECT_FALSE(PostMessage(nullptr, m));
}

TEST(RegisteredMessageTest, MainWindowIsForgottenWhenItIsDestroyed) {
    auto* window = new MessageRecorder;
    AfxSetMainWnd(window);
    EXPECT_EQ(AfxGetMainWnd(), window);
    delete window;
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST(ResourceModuleTest, StringsComeFromTheCurrentModule) {
    CResourceModule library(QStringLiteral("lib"));
    CResourceModule program(QStringLiteral("prog"));
    library.SetString(1, QStringLiteral("library text"));
    program.SetString(1, QStringLiteral("program text"));
    CResourceModule* saved = AfxGetResourceHandle();
    AfxSetResourceHandle(&program);
    EXPECT_EQ(LoadResourceString(1), QStringLiteral("program text"));
    AfxSetResourceHandle(&library);
    EXPECT_EQ(LoadResourceString(1), QStringLiteral("library text"));
    EXPECT_EQ(LoadResourceString(2), QString());
    AfxSetResourceHandle(saved);
}
